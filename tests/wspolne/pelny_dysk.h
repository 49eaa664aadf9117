#pragma once
// A full disk for one scope: writes past a size fail with EFBIG, as the
// file-size limit makes them (its signal ignored).

#include <sys/resource.h>

#include <csignal>

class PelnyDysk {
public:
    explicit PelnyDysk(rlim_t bajtow) : sygnal_(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &poprzedni_);
        rlimit maly = poprzedni_;
        maly.rlim_cur = bajtow;
        ::setrlimit(RLIMIT_FSIZE, &maly);
    }
    ~PelnyDysk()
    {
        ::setrlimit(RLIMIT_FSIZE, &poprzedni_);
        std::signal(SIGXFSZ, sygnal_);
    }
    PelnyDysk(const PelnyDysk&) = delete;
    PelnyDysk& operator=(const PelnyDysk&) = delete;

private:
    rlimit poprzedni_{};
    void (*sygnal_)(int);
};
