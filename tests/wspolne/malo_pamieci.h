#pragma once
// Work run where memory is short: in a child process whose address space is
// cut down to what it has and `zapas` bytes more, so that a larger
// allocation fails with std::bad_alloc without the test program feeling it.

#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <fstream>
#include <functional>

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
