#pragma once
// Messages of the diagram computations. They are computed inside the redraw,
// where a message box must not open (it would re-enter the redraw), so they
// are collected here and shown by the shell once the redraw has ended.

#include <string>
#include <vector>

// Queues a message (Windows-1250 text, as the model's texts). A text that is
// already waiting is not queued again, so one redraw shows it once.
void ZbierzKomunikat(const std::string& tekstCp1250);

// The waiting messages in the order they came; the queue is emptied.
std::vector<std::string> PobierzKomunikaty();

// While it lives, the messages this thread queues are kept in `teksty`
// (each once) instead: a computation shared among threads passes them on
// with `Przekaz`, in the order the computations would have queued them one
// after another.
class KomunikatyOdlozone {
public:
    KomunikatyOdlozone();
    ~KomunikatyOdlozone();
    KomunikatyOdlozone(const KomunikatyOdlozone&) = delete;
    KomunikatyOdlozone& operator=(const KomunikatyOdlozone&) = delete;

    std::vector<std::string> teksty;

    // Queues `teksty` as `ZbierzKomunikat` would have queued them.
    static void Przekaz(const std::vector<std::string>& teksty);

private:
    std::vector<std::string>* poprzednie_;
};
