#pragma once
// Every window of the program, created once at start in a fixed order and
// living until the end.

// Creates the windows (the main window first) and makes the main window the
// one the model talks to.
void UtworzOkna();
// The main window's end (recent list, folder list), then every window freed.
void ZniszczOkna();
