#pragma once
// What the model asks of the main window. The default implementation does
// nothing, so the model and its tests run without any window; the main window
// installs its own with UstawOkno.

#include <string>

// The grid step as its box shows it: every decimal the file keeps, so that
// a step left as it was is stored as it was.
inline constexpr const char* MaskaKrokuSiatki = "####0.####";

class OknoGlowne {
public:
    virtual ~OknoGlowne() = default;

    virtual void ZerujTryby() {}
    virtual void UstawPolecenia() {}

    // The variant combo box: emptied, then one entry "n. name" per variant,
    // then the selected text.
    virtual void WyczyscWarianty() {}
    virtual void DodajWariantDoListy(const std::string& /*pozycja*/) {}
    virtual void UstawTekstWariantu(const std::string& /*tekst*/) {}

    // The caption: the project's path, "..." for a project without a file.
    virtual void UstawTytul(const std::string& /*sciezka*/) {}
    // The caption as it stands, in Windows-1250 (the DXF stamp quotes it).
    virtual std::string Tytul() const { return "..."; }

    // A new project: the window's view fitted to the whole sheet and the
    // outputs as they start (the screen alone).
    virtual void NowyWidok() {}

    // Size of the drawing area in pixels.
    virtual void RozmiarPodgladu(int& szerokosc, int& wysokosc)
    {
        szerokosc = 1005;
        wysokosc = 505;
    }

    virtual void DodajOstatniProjekt(const std::string& /*sciezka*/) {}

    // The grid switch and the grid step text after a load.
    virtual void UstawSiatke(bool /*widoczna*/, const std::string& /*krok*/) {}

    // An error message for the user (text in Windows-1250).
    virtual void PokazBlad(const std::string& /*komunikat*/) {}
    // A warning after a work that succeeded (what a save could not keep).
    virtual void PokazUwage(const std::string& /*komunikat*/) {}
    // Whether a save replaces the project's file that another save changed
    // since it was read or written (the question in Windows-1250). Without a
    // window to ask, nothing is replaced.
    virtual bool ZastapicZmieniony(const std::string& /*pytanie*/) { return false; }

    // The printer's page in centimetres and its resolution; false when no
    // printer is installed or it cannot be queried.
    virtual bool RozmiarStronyDrukarki(double& /*cmB*/, double& /*cmH*/, int& /*dpiX*/, int& /*dpiY*/) { return false; }
};

// The window the model talks to; a do-nothing one until the main window sets its own.
OknoGlowne& Okno();
// nullptr restores the do-nothing window.
void UstawOkno(OknoGlowne* okno);
