#include "base/Watki.h"

#include <sched.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

namespace {

int watkiUstawione = 0;

// The works left before the one that fails (tests only), and its exception.
std::atomic<int> pracDoAwarii{0};
std::exception_ptr bladAwarii;

void MozeAwariaPracy()
{
    if (pracDoAwarii.load(std::memory_order_relaxed) > 0 && pracDoAwarii.fetch_sub(1) == 1)
        std::rethrow_exception(bladAwarii);
}

// The processors the process may run on: an affinity mask (taskset, a
// container's cpuset) leaves fewer than the machine has.
int DozwoloneProcesory()
{
    cpu_set_t zbior;
    CPU_ZERO(&zbior);
    if (sched_getaffinity(0, sizeof zbior, &zbior) == 0 && CPU_COUNT(&zbior) > 0)
        return CPU_COUNT(&zbior);
    return static_cast<int>(std::max(std::thread::hardware_concurrency(), 1u));
}

// A job handed to threads of the pool: each runs it and says it is done.
class PracaPuli {
public:
    virtual void Wykonaj() = 0;
    virtual void Skonczona() = 0;

protected:
    ~PracaPuli() = default;
};

// The program's threads, each waiting for a job. Never destroyed: the threads
// wait to the end of the program, and a thread is not ended in a static
// destructor.
class Pula {
public:
    // Hands `praca` to at most `ile` threads, idle ones first, then new ones
    // while the pool has fewer than its limit and the system starts them;
    // how many took it.
    int Rozdaj(int ile, PracaPuli& praca)
    {
        const std::lock_guard blokada(m_);
        int oddanych = 0;
        while (oddanych < ile) {
            Watek* w = Wolny();
            if (!w)
                break;
            w->praca = &praca;
            w->zmiana.notify_one();
            ++oddanych;
        }
        return oddanych;
    }

    void UstawAwarie(int ktory)
    {
        const std::lock_guard blokada(m_);
        awariaOd_ = ktory > 0 ? startow_ + ktory : 0;
    }

    void Zakoncz()
    {
        std::vector<std::unique_ptr<Watek>> konczone;
        {
            const std::lock_guard blokada(m_);
            konczone = std::move(watki_);
            wolne_.clear();
            for (auto& w : konczone) {
                w->koniec = true;
                w->zmiana.notify_one();
            }
        }
        for (auto& w : konczone)
            w->watek.join();
    }

    int Startow()
    {
        const std::lock_guard blokada(m_);
        return startow_;
    }

private:
    // The most threads the pool keeps: the work of 8 threads with one more
    // for the writer of pieces, and a little room.
    static constexpr std::size_t NajwiecejWatkow = 16;

    struct Watek {
        std::thread watek;
        std::condition_variable zmiana;
        PracaPuli* praca = nullptr;
        bool koniec = false;
    };

    // An idle thread or a new one, or nullptr; under the lock.
    Watek* Wolny()
    {
        if (!wolne_.empty()) {
            Watek* w = wolne_.back();
            wolne_.pop_back();
            return w;
        }
        if (watki_.size() >= NajwiecejWatkow)
            return nullptr;
        auto w = std::make_unique<Watek>();
        try {
            ++startow_;
            if (awariaOd_ > 0 && startow_ >= awariaOd_)
                throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
            w->watek = std::thread(&Pula::Petla, this, w.get());
        } catch (const std::system_error&) {
            // No memory for another thread now: the work runs on those there
            // are; a later job tries again.
            --startow_;
            return nullptr;
        }
        watki_.push_back(std::move(w));
        return watki_.back().get();
    }

    void Petla(Watek* w)
    {
        std::unique_lock blokada(m_);
        for (;;) {
            w->zmiana.wait(blokada, [w] { return w->praca || w->koniec; });
            if (!w->praca)
                return;
            PracaPuli* praca = w->praca;
            blokada.unlock();
            praca->Wykonaj();
            // Idle again before the job hears it is done: the next job finds
            // this thread instead of starting another.
            blokada.lock();
            w->praca = nullptr;
            const bool koniec = w->koniec;
            if (!koniec)
                wolne_.push_back(w);
            blokada.unlock();
            praca->Skonczona();
            if (koniec)
                return;
            blokada.lock();
        }
    }

    std::mutex m_;
    std::vector<std::unique_ptr<Watek>> watki_;
    std::vector<Watek*> wolne_;
    int startow_ = 0, awariaOd_ = 0;
};

Pula& PulaProgramu()
{
    static auto* pula = new Pula;
    return *pula;
}

// The works of one `Rownolegle`, taken in turn by whoever is free.
class PraceRownolegle final : public PracaPuli {
public:
    PraceRownolegle(int n, const std::function<void(int)>& praca)
        : praca_(praca), n_(n), bledy_(static_cast<std::size_t>(n))
    {
    }

    void Wykonaj() override
    {
        for (int k = nastepna_++; k < n_; k = nastepna_++)
            Uruchom(k);
    }
    void Skonczona() override
    {
        const std::lock_guard blokada(m_);
        if (--pracujacych_ == 0)
            koniec_.notify_all();
    }

    void Uruchom(int k)
    {
        try {
            praca_(k);
        } catch (...) {
            bledy_[static_cast<std::size_t>(k)] = std::current_exception();
        }
    }
    void Pracujacych(int n)
    {
        const std::lock_guard blokada(m_);
        pracujacych_ += n;
    }
    void Czekaj()
    {
        std::unique_lock blokada(m_);
        koniec_.wait(blokada, [this] { return pracujacych_ == 0; });
    }
    void RzucBlad() const
    {
        for (const std::exception_ptr& b : bledy_)
            if (b)
                std::rethrow_exception(b);
    }

private:
    const std::function<void(int)>& praca_;
    const int n_;
    std::atomic<int> nastepna_{1};  // praca(0) is the caller's own
    std::vector<std::exception_ptr> bledy_;
    std::mutex m_;
    std::condition_variable koniec_;
    int pracujacych_ = 0;
};

}  // namespace

int WatkiPracy()
{
    const int watkow = watkiUstawione > 0 ? watkiUstawione : DozwoloneProcesory();
    return std::clamp(watkow, 1, 8);
}

void UstawWatkiPracy(int watkow) { watkiUstawione = std::max(0, watkow); }

int WatkiDlaPracy(int watkow, int jednostek, int naWatek)
{
    return std::clamp(jednostek / std::max(naWatek, 1), 1, std::max(watkow, 1));
}

namespace {

void RownolegleNaPuli(int n, const std::function<void(int)>& praca)
{
    if (n <= 0)
        return;
    PraceRownolegle prace(n, praca);
    // Counted before they are handed: a thread may end before the count.
    prace.Pracujacych(n - 1);
    const int oddanych = n > 1 ? PulaProgramu().Rozdaj(n - 1, prace) : 0;
    prace.Pracujacych(oddanych - (n - 1));
    prace.Uruchom(0);
    prace.Wykonaj();
    prace.Czekaj();
    prace.RzucBlad();
}

}  // namespace

void Rownolegle(int n, const std::function<void(int)>& praca)
{
    RownolegleNaPuli(n, [&praca](int k) {
        MozeAwariaPracy();
        praca(k);
    });
}

void UstawAwariePracy(int ktora, std::exception_ptr blad)
{
    pracDoAwarii = 0;
    bladAwarii = blad ? blad : std::make_exception_ptr(std::bad_alloc());
    pracDoAwarii = std::max(ktora, 0);
}

void UstawAwarieWatkow(int ktory) { PulaProgramu().UstawAwarie(ktory); }
void ZakonczWatkiPuli() { PulaProgramu().Zakoncz(); }
int UruchomioneWatkiPuli() { return PulaProgramu().Startow(); }

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

    // Piece i's buffer once made, or nullptr when the work stopped. A piece
    // no maker has taken is taken here (`wlasna`), for this thread to make:
    // a maker that could not be started never takes it.
    std::string* Czekaj(int i, bool& wlasna)
    {
        std::unique_lock blokada(m_);
        zmiana_.wait(blokada, [this, i] { return stop_ || Miejsce(i).gotowa == i || nastepna_ == i; });
        wlasna = !stop_ && Miejsce(i).gotowa != i;
        if (wlasna)
            ++nastepna_;
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

void PorcjeWKolejnosci(int porcji, int watkow, const std::function<void(int, std::string&)>& zrobPorcje,
                       const std::function<void(std::string&)>& oddaj)
{
    const auto zrob = [&zrobPorcje](int i, std::string& bufor) {
        MozeAwariaPracy();
        zrobPorcje(i, bufor);
    };
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
    // The makers and the writer are no works of their own: stopped early,
    // the others would wait for them.
    RownolegleNaPuli(watkow, [&](int k) {
        try {
            if (k == 0) {
                for (int i = 0; i < porcji; ++i) {
                    bool wlasna = false;
                    std::string* bufor = porcje.Czekaj(i, wlasna);
                    if (!bufor)
                        return;
                    if (wlasna)
                        zrob(i, *bufor);
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
