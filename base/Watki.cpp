#include "base/Watki.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace {
int watkiUstawione = 0;
}  // namespace

int WatkiPracy()
{
    if (watkiUstawione > 0)
        return std::min(watkiUstawione, 8);
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
}

void UstawWatkiPracy(int watkow) { watkiUstawione = std::max(0, watkow); }

void Rownolegle(int n, const std::function<void(int)>& praca)
{
    std::vector<std::exception_ptr> bledy(static_cast<std::size_t>(std::max(n, 0)));
    auto uruchom = [&](int k) {
        try {
            praca(k);
        } catch (...) {
            bledy[static_cast<std::size_t>(k)] = std::current_exception();
        }
    };
    {
        std::vector<std::jthread> watki;
        for (int k = 1; k < n; ++k)
            watki.emplace_back(uruchom, k);
        if (n > 0)
            uruchom(0);
    }
    for (const std::exception_ptr& b : bledy)
        if (b)
            std::rethrow_exception(b);
}

namespace {

// The pieces being made and waiting, each in a buffer of its own, and who
// does what next.
class Porcje {
public:
    Porcje(int porcji, int okno) : porcji_(porcji), miejsca_(static_cast<std::size_t>(okno)) {}

    // The next piece for a maker and its buffer, or -1 when none is left or
    // the work stopped. A piece is begun only when its buffer is free: the
    // piece `okno` before it was handed on.
    int Wez(std::string*& bufor)
    {
        std::unique_lock blokada(m_);
        zmiana_.wait(blokada, [this] { return stop_ || nastepna_ >= porcji_ || nastepna_ < oddanych_ + Okno(); });
        if (stop_ || nastepna_ >= porcji_)
            return -1;
        const int i = nastepna_++;
        bufor = &Miejsce(i).bufor;
        return i;
    }

    void Gotowa(int i)
    {
        {
            const std::lock_guard blokada(m_);
            Miejsce(i).gotowa = i;
        }
        zmiana_.notify_all();
    }

    // Piece i's buffer once made, or nullptr when the work stopped.
    std::string* Czekaj(int i)
    {
        std::unique_lock blokada(m_);
        zmiana_.wait(blokada, [this, i] { return stop_ || Miejsce(i).gotowa == i; });
        return stop_ ? nullptr : &Miejsce(i).bufor;
    }

    void Oddana(int i)
    {
        {
            const std::lock_guard blokada(m_);
            Miejsce(i).bufor.clear();  // its room serves the next piece
            Miejsce(i).gotowa = -1;
            ++oddanych_;
        }
        zmiana_.notify_all();
    }

    void Zatrzymaj()
    {
        {
            const std::lock_guard blokada(m_);
            stop_ = true;
        }
        zmiana_.notify_all();
    }

private:
    struct MiejscePorcji {
        std::string bufor;
        int gotowa = -1;  // the piece made in the buffer
    };
    int Okno() const { return static_cast<int>(miejsca_.size()); }
    MiejscePorcji& Miejsce(int i) { return miejsca_[static_cast<std::size_t>(i % Okno())]; }

    const int porcji_;
    std::vector<MiejscePorcji> miejsca_;
    std::mutex m_;
    std::condition_variable zmiana_;
    int nastepna_ = 0, oddanych_ = 0;
    bool stop_ = false;
};

}  // namespace

void PorcjeWKolejnosci(int porcji, int watkow, const std::function<void(int, std::string&)>& zrob,
                       const std::function<void(std::string&)>& oddaj)
{
    if (watkow < 2 || porcji < 2) {
        std::string bufor;
        for (int i = 0; i < porcji; ++i) {
            bufor.clear();
            zrob(i, bufor);
            oddaj(bufor);
        }
        return;
    }
    Porcje porcje(porcji, 2 * (watkow - 1));
    Rownolegle(watkow, [&](int k) {
        try {
            if (k == 0) {
                for (int i = 0; i < porcji; ++i) {
                    std::string* bufor = porcje.Czekaj(i);
                    if (!bufor)
                        return;
                    oddaj(*bufor);
                    porcje.Oddana(i);
                }
                return;
            }
            std::string* bufor = nullptr;
            for (int i = porcje.Wez(bufor); i >= 0; i = porcje.Wez(bufor)) {
                zrob(i, *bufor);
                porcje.Gotowa(i);
            }
        } catch (...) {
            porcje.Zatrzymaj();
            throw;
        }
    });
}
