#pragma once
// Work shared among the cores: the redraw, the DXF export and the project
// file's writer each run parts of their work at once on threads.

#include <functional>
#include <string>

// The threads such work uses: the machine's cores, at most 8, or what a test
// set (0 gives back the machine's).
int WatkiPracy();
void UstawWatkiPracy(int watkow);

// Runs praca(0) ... praca(n - 1) at once, praca(0) in this thread; an
// exception of one is thrown here after all have ended.
void Rownolegle(int n, const std::function<void(int)>& praca);

// Makes the pieces 0 .. porcji - 1 of a whole on `watkow` - 1 threads
// (`zrob(i, bufor)` appends piece i to an empty buffer) and hands each to
// `oddaj` on this thread, in order, as soon as it and those before it are
// made; a few pieces wait at most, so the whole is never held at once.
// With fewer than two threads each piece is made and handed in turn. An
// exception of `zrob` or `oddaj` stops the others and is thrown here.
void PorcjeWKolejnosci(int porcji, int watkow, const std::function<void(int, std::string&)>& zrob,
                       const std::function<void(std::string&)>& oddaj);
