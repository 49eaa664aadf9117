#pragma once
// Work run where memory is short: in a child process whose address space is
// cut down to what it has and `zapas` bytes more, so that a larger
// allocation fails with std::bad_alloc without the test program feeling it.
// And the memory a work takes at its peak.

#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <fstream>
#include <functional>
#include <string>

// The child's exit code: what `praca` returned, 3 for an exception that left
// it, 2 when the limit could not be set; -1 when the child did not exit.
inline int ZMalaPamiecia(std::size_t zapas, const std::function<int()>& praca)
{
    const pid_t dziecko = ::fork();
    if (dziecko < 0)
        return -1;
    if (dziecko == 0) {
        // The heap's free room given back first: it would be room too.
        ::malloc_trim(0);
        std::size_t stron = 0;
        std::ifstream("/proc/self/statm") >> stron;
        const rlimit limit{stron * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE)) + zapas, RLIM_INFINITY};
        if (::setrlimit(RLIMIT_AS, &limit) != 0)
            ::_exit(2);
        try {
            ::_exit(praca());
        } catch (...) {
            ::_exit(3);
        }
    }
    int status = 0;
    ::waitpid(dziecko, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A field of /proc/self/status in kB ("VmRSS:"), -1 where it is missing.
inline long PoleStatusuKB(const std::string& pole)
{
    std::ifstream status("/proc/self/status");
    for (std::string slowo; status >> slowo;)
        if (slowo == pole) {
            long kb = -1;
            status >> kb;
            return kb;
        }
    return -1;
}

// How far the resident memory rises above where it was while `praca` runs,
// in bytes, by the system's record of its peak, reset for it; -1 when it
// cannot be reset. The heap's free pages are given back first: left by
// earlier work (in other threads' arenas too), they would take an
// allocation unseen. An address space limit measures no such thing: the
// room other threads' arenas reserve takes an allocation refused elsewhere.
inline long long PrzyrostPamieci(const std::function<void()>& praca)
{
    ::malloc_trim(0);
    std::ofstream zeruj("/proc/self/clear_refs");
    if (!(zeruj << "5" << std::flush))
        return -1;
    const long przed = PoleStatusuKB("VmRSS:");
    praca();
    return (PoleStatusuKB("VmHWM:") - przed) * 1024LL;
}
