#pragma once
// The manual's Markdown as printed: "{WERSJA}" stands for the program's
// version, so that the main window's title in the manual follows it.

#include <QString>

#include "base/Wersja.h"

inline QString TekstInstrukcji(QString markdown)
{
    return markdown.replace("{WERSJA}", QString::fromUtf8(WersjaProgramu.data(), WersjaProgramu.size()));
}
