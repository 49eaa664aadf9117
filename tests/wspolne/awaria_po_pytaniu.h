#pragma once
// Scripted dialogs after whose question a save fails: from the first
// question on, files' flushes fail with `bladPoPytaniu` (the test program is
// linked with fsync wrapped), so that the failure follows the user's "Tak".
#include "platform/qt/Komunikaty.h"
#include "wspolne/odmowa_fsync.h"

class DialogiZAwaria : public DialogiTestowe {
public:
    int bladPoPytaniu = 0;  // 0: none

    int PytanieTakNie(const std::string& tekst) override
    {
        if (bladPoPytaniu != 0)
            bladPliku = bladPoPytaniu;
        return DialogiTestowe::PytanieTakNie(tekst);
    }
};
