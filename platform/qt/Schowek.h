#pragma once
// The system clipboard: the drawing goes there as a bitmap.

class QImage;

// Puts a copy of the image on the clipboard; false without a clipboard
// (no application) or for an empty image.
bool KopiujObrazDoSchowka(const QImage& obraz);
