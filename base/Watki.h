#pragma once
// Work shared among the cores: the redraw, the DXF export, the PDF print and
// the project file's writer each run parts of their work at once on threads.
// The threads are the program's own pool, started when first wanted and
// kept as long as the program runs: what a thread keeps for its work (a
// canvas that measures texts) is made once, not for every job.

#include <exception>
#include <functional>
#include <string>

// The threads such work uses: the processors this process may run on, at
// most 8, or what a test set (0 gives back the processors').
int WatkiPracy();
void UstawWatkiPracy(int watkow);

// How many of `watkow` threads work of `jednostek` units (diagrams, pages,
// pieces) keeps busy when a thread is worth at least `naWatek` of them: one
// for work too small to share.
int WatkiDlaPracy(int watkow, int jednostek, int naWatek);

// Runs praca(0) ... praca(n - 1), praca(0) in this thread and the others at
// once on threads of the pool. When the system cannot start another thread
// (no memory for one), the works left run on the threads there are, down to
// this one alone; each still runs once. An exception of one is thrown here
// after all have ended.
void Rownolegle(int n, const std::function<void(int)>& praca);

// Makes the pieces 0 .. porcji - 1 of a whole on `watkow` - 1 threads
// (`zrob(i, bufor)` appends piece i to an empty buffer) and hands each to
// `oddaj` on this thread, in order, as soon as it and those before it are
// made; a few pieces wait at most, so the whole is never held at once.
// With fewer than two threads, or when no thread could be started, this
// thread makes each piece in turn. An exception of `zrob` or `oddaj` stops
// the others and is thrown here.
void PorcjeWKolejnosci(int porcji, int watkow, const std::function<void(int, std::string&)>& zrob,
                       const std::function<void(std::string&)>& oddaj);

// For the tests: from the `ktory`-th thread the pool starts from now on
// (1: the next), every start fails as the system fails one without memory
// (0: none fails); the pool's threads end (and are started again when
// wanted); how many threads the pool has started since the program began.
void UstawAwarieWatkow(int ktory);
void ZakonczWatkiPuli();
int UruchomioneWatkiPuli();

// For the tests: the `ktora`-th work that `Rownolegle` or `PorcjeWKolejnosci`
// starts from now on (1: the next; a praca, a zrob) throws `blad` in its
// place, as an allocation without memory or a failed system call inside it
// would (0: none fails; std::bad_alloc when `blad` is none).
void UstawAwariePracy(int ktora, std::exception_ptr blad = {});
