#pragma once
// Keeps a window inside the screen's available area (a 1366 x 768 laptop
// holds less than some windows need).
//
// At each showing the window opens at one size: the size its layout asked
// for the first time, when the screen holds it. A window the screen cannot
// hold is cut to the screen once and for all: its content scrolls inside,
// and its closing buttons move into a row below the scrolled part, so they
// can always be reached. The window is then placed inside the screen, all
// of it before it is mapped, so that a window manager frames it once.

#include <QStringList>

class QRect;
class QWidget;

// `przyciski`: the objectNames of the buttons that close the window (or
// finish its work), kept in view.
void DopasujDoEkranu(QWidget* okno, const QStringList& przyciski);

// Puts a window's own area (its frame left out) at `obszarOkna`.
void UstawMiejsceOkna(QWidget* okno, const QRect& obszarOkna);

// The room a window manager's frame (title bar and borders) takes around a
// window that has not been shown yet.
constexpr int ZapasRamkiPoziomo = 8;
constexpr int ZapasRamkiPionowo = 36;
