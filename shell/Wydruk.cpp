// Printing one page per variant and the DXF export of all variants. Each
// draws every variant's sheet into its own output only; the output flags
// come back also when the printer or the file fails, and the current
// variant is never changed.

#include <QFileInfo>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "drawing/Dxf.h"
#include "drawing/Wyjscie.h"
#include "junction/ArkuszDxf.h"
#include "model/Projekt.h"
#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "counts/Pytanie.h"
#include "platform/KatalogProgramu.h"
#include "platform/PlikTekstowy.h"
#include "platform/PlotnoPdf.h"
#include "platform/qt/Drukarka.h"
#include "platform/qt/Kodowanie_qt.h"
#include "shell/Arkusz.h"
#include "shell/Dialogi.h"
#include "shell/PytanieTakNieKasuj.h"
#include "shell/RysunekWatkami.h"
#include "base/Watki.h"
#include "shell/TForm1.h"

namespace {

// Detaches the printer's canvas when the scope ends.
class PodlaczDrukarke {
public:
    explicit PodlaczDrukarke(Drukarka& d) { UstawDrukarke(&d); }
    ~PodlaczDrukarke() { UstawDrukarke(nullptr); }
    PodlaczDrukarke(const PodlaczDrukarke&) = delete;
    PodlaczDrukarke& operator=(const PodlaczDrukarke&) = delete;
};

// Sends the pages of one print into the file the user named, and gives the
// printer back the output it had (its own, or a file chosen in the set-up)
// when the print ends.
class WydrukDoWybranegoPliku {
public:
    WydrukDoWybranegoPliku(Drukarka& d, const std::string& sciezkaUtf8) : drukarka_(d), poprzedni_(d.PlikPdf())
    {
        drukarka_.UstawPlikPdf(sciezkaUtf8);
    }
    ~WydrukDoWybranegoPliku() { drukarka_.UstawPlikPdf(poprzedni_); }
    WydrukDoWybranegoPliku(const WydrukDoWybranegoPliku&) = delete;
    WydrukDoWybranegoPliku& operator=(const WydrukDoWybranegoPliku&) = delete;

private:
    Drukarka& drukarka_;
    const std::string poprzedni_;
};

// Every variant's diagrams computed before any is drawn: the band scale is
// the whole project's (diagrams reading counts change it as they are
// computed), and the drawing then only reads the project.
void PrzygotujWarianty(int watkow)
{
    for (int v = 0; v < LiczbaWariantow(); ++v)
        PrzygotujArkuszWariantu(v, false, watkow);
}

// The pages of a PDF file drawn at once, each variant's on a canvas of its
// own in one of the threads, then put in the document in their order. The
// variants must be computed.
void WydrukujStronyNaWatkach(Drukarka& drukarka, int stron)
{
    std::vector<std::unique_ptr<PlotnoPdf>> plotna;
    for (int v = 0; v < stron; ++v)
        plotna.push_back(drukarka.PlotnoStrony());
    std::vector<std::string> strony(static_cast<std::size_t>(stron));
    const int watkow = std::clamp(WatkiRysowania(), 1, std::max(stron, 1));
    NaWatkach(watkow, [&](int k) {
        for (int v = k; v < stron; v += watkow) {
            const auto s = static_cast<std::size_t>(v);
            // Texts are measured on the thread's own canvas, not on the
            // screen's, which the threads would share (the screen is off).
            UstawPlotnoEkranu(nullptr);
            UstawPlotnoDrukarki(plotna[s].get());
            RysujArkuszWariantu(v);
            strony[s] = plotna[s]->Zabierz();
        }
    });
    for (int v = 0; v < stron; ++v) {
        if (v > 0)
            drukarka.NowaStrona();
        drukarka.DolaczDoStrony(std::move(strony[static_cast<std::size_t>(v)]));
    }
}

} // namespace

QString TekstStronWydruku(int strony)
{
    if (strony == 1)
        return U("1 stronę");
    return QString::number(strony) + (strony >= 5 ? U(" stron") : U(" strony"));
}

// A sheet larger than the page would be cut: printed only when the user
// says so.
bool TForm1::ArkuszNaStronie(Drukarka& drukarka)
{
    if (drukarka.ArkuszSieMiesci(wg.ArkuszB, wg.ArkuszH) || drukarka.DpiX() <= 0 || drukarka.DpiY() <= 0)
        return true;
    const auto cm = [](double x) { return NaQString(FormatFloat("0.0", x)); };
    const QString pytanie = U("Arkusz ") + cm(wg.ArkuszB) + " x " + cm(wg.ArkuszH) +
                            U(" cm nie mieści się na stronie wydruku ") +
                            cm(drukarka.SzerokoscStrony() * 2.54 / drukarka.DpiX()) + " x " +
                            cm(drukarka.WysokoscStrony() * 2.54 / drukarka.DpiY()) +
                            U(" cm i zostanie obcięty. Drukować mimo to?");
    return PytanieTakNieKasuj->Zapytaj(pytanie, false) == TPytanieTakNieKasuj::mrTak;
}

Drukarka& TForm1::DrukarkaProgramu()
{
    if (!drukarka_)
        drukarka_ = std::make_unique<Drukarka>();
    return *drukarka_;
}

void TForm1::UstawWydrukDoPdf(const std::string& sciezkaPdf)
{
    DrukarkaProgramu().UstawPlikPdf(sciezkaPdf);
    wydrukDoPdf_ = !sciezkaPdf.empty();
}

// Without a printer Qt's dialog offers its PDF file printer, on the page the
// sheet's PDF would take.
void TForm1::Ustawieniadrukarki1Click() { DrukarkaProgramu().Ustawienia(this, wg.ArkuszB, wg.ArkuszH); }

QString TForm1::NazwaProjektuPokazana() const
{
    return ProjektMaPlik() ? QFileInfo(SciezkaDoPokazania(Sciezka())).fileName() : QString();
}

// The project's file name as its caption shows it, with `rozszerzenie` in
// place of its own; "" for a project without a file.
std::filesystem::path TForm1::NazwaObokProjektu(const char* rozszerzenie) const
{
    if (!ProjektMaPlik())
        return {};
    return SciezkaZQString(QFileInfo(NazwaProjektuPokazana()).completeBaseName() + rozszerzenie);
}

// Proposed: the PDF this project was last printed into, else the project's
// name with ".pdf" beside it.
std::filesystem::path TForm1::WybierzPlikWydruku()
{
    TDialogPliku& d = SavePdf;
    if (const auto ostatni = ostatniePdf_.find(Sciezka()); ostatni != ostatniePdf_.end()) {
        d.KatalogPoczatkowy = KatalogPliku(ostatni->second);
        d.NazwaPliku = ostatni->second.filename();
    } else {
        d.KatalogPoczatkowy = KatalogPoczatkowyDialogu();
        d.NazwaPliku = NazwaObokProjektu(".pdf");
    }
    if (!d.Execute(this))
        return {};
    if (PlikIstnieje(d.NazwaPliku) && !NadpisacPlik(d.NazwaPliku))
        return {};
    return d.NazwaPliku;
}

// The document's title, which goes with the file to whoever receives it:
// the project's file name, never the folders it lies in.
std::string TForm1::TytulWydruku() const { return NazwaProjektuPokazana().toStdString(); }

void TForm1::WydrukujWarianty(Drukarka& drukarka)
{
    const ZachowajWyjscia tylkoDrukarka(false, true, false);
    const PodlaczDrukarke podlaczona(drukarka);
    PrzygotujWarianty(WatkiRysowania());
    if (drukarka.StronyOsobno()) {
        WydrukujStronyNaWatkach(drukarka, LiczbaWariantow());
        return;
    }
    for (int v = 0; v < LiczbaWariantow(); ++v) {
        if (v > 0 && !drukarka.NowaStrona())
            throw std::runtime_error("nie można rozpocząć nowej strony");
        RysujArkuszWariantu(v);
    }
}

void TForm1::TB_DrukujClick()
{
    Drukarka& drukarka = DrukarkaProgramu();
    // A print into a PDF file (for want of a printer, or a file chosen in
    // the set-up) asks for the file's name every time, by the same path as
    // to paper.
    std::optional<WydrukDoWybranegoPliku> doPliku;
    if (!wydrukDoPdf_ && (drukarka.DoPliku() || !Drukarka::DrukarkaZainstalowana())) {
        const std::filesystem::path plik = WybierzPlikWydruku();
        if (plik.empty())
            return;
        doPliku.emplace(drukarka, plik.native());
    }
    drukarka.DopasujStroneDoArkusza(wg.ArkuszB, wg.ArkuszH);
    if (!ArkuszNaStronie(drukarka))
        return;
    const std::string plikPdf = drukarka.PlikPdf();
    if (!drukarka.RozpocznijDokument(TytulWydruku())) {
        PokazBlad(Utf8NaCp1250(drukarka.Blad()));
        return;
    }
    QString blad;
    try {
        WydrukujWarianty(drukarka);
    } catch (const std::exception& e) {
        // Pages are missing: nothing is printed and the old file stays.
        const int nrBledu = NumerBleduWyjatku(e);
        if (nrBledu != 0)
            drukarka.PrzerwijDokument(nrBledu);
        else
            drukarka.PrzerwijDokument(std::string(e.what()));
        blad = QString::fromStdString(drukarka.Blad());
    } catch (...) {
        drukarka.PrzerwijDokument(std::string("nieznany błąd"));
        blad = QString::fromStdString(drukarka.Blad());
    }
    if (blad.isEmpty() && !drukarka.ZakonczDokument())
        // The printer's own message names the file and the cause (a full
        // disk stops a PDF at its next page as much as at its end).
        blad = QString::fromStdString(drukarka.Blad());
    Przerysuj();
    if (!blad.isEmpty()) {
        PokazBlad(ZQString(blad));
        return;
    }
    if (plikPdf.empty()) {
        PokazKomunikat(U("Wysłano do wydrukowania ") + TekstStronWydruku(LiczbaWariantow()) +
                       U(" na aktualną drukarkę."));
        return;
    }
    if (doPliku && ProjektMaPlik())
        ostatniePdf_[Sciezka()] = plikPdf;
    PokazKomunikat(U("Wysłano do wydrukowania ") + TekstStronWydruku(LiczbaWariantow()) + U(" do pliku ") +
                   SciezkaDoPokazania(plikPdf) + ".");
    if (!drukarka.Uwaga().empty())
        PokazUwage(Utf8NaCp1250(drukarka.Uwaga()));
}

namespace {

// The most diagrams of a part of the export: some tens of kilobytes each.
constexpr int DiagramowCzesciDxf = 8;

// A piece of the export: a part of one variant's sheet.
struct KawalekDxf {
    int wariant;
    ZakresArkusza zakres;
};

// The piece's entities: the sheet's frame before its first part.
void RysujKawalekDxf(const KawalekDxf& k)
{
    if (k.zakres.pod) {
        const ZakresWariantu zakres(k.wariant);
        RysujArkuszDxf();
    }
    RysujZakresArkusza(k.wariant, nullptr, nullptr, k.zakres);
}

// The variants' sheets are cut into parts, each drawn on a thread of its
// own into a buffer of its own while this thread writes the buffers into
// the file in order, so the file has the bytes of a drawing in one go. Not
// with one thread, nor while a test receives the entities in this thread.
bool EksportujWatkami(int wariantow)
{
    int diagramow = 0;
    for (int v = 0; v < wariantow; ++v)
        diagramow += DiagramowWariantu(v);
    const int watkow = WatkiDlaPracy(WatkiRysowania(), diagramow, DiagramowNaWatek);
    if (watkow < 2 || OdbiorcaDxfBiezacy() != nullptr || !WyjscieWlasne(Kanal::Dxf))
        return false;
    PrzygotujWarianty(watkow);
    // Twice as many parts as threads, for the threads to end together, and
    // parts of a few diagrams each: the parts made and waiting to be written
    // are a few megabytes whatever the size of the sheet.
    const int czesciWariantu = std::max(1, (2 * watkow + wariantow - 1) / std::max(wariantow, 1));
    std::vector<KawalekDxf> kawalki;
    for (int v = 0; v < wariantow; ++v) {
        const int czesci =
            std::max(czesciWariantu, (DiagramowWariantu(v) + DiagramowCzesciDxf - 1) / DiagramowCzesciDxf);
        for (const ZakresArkusza& z : PodzielArkusz(v, czesci))
            kawalki.push_back({v, z});
    }

    const StanWyjsc stan = StanWyjsc::Biezacy();
    PorcjeWKolejnosci(
        static_cast<int>(kawalki.size()), watkow + 1,
        [&kawalki, &stan](int i, std::string& bufor) {
            const PrzywrocStanWyjsc przywroc;
            stan.Przyjmij();
            // Texts are measured on the thread's own canvas, never the screen's.
            UstawPlotnoEkranu(nullptr);
            CzescDxf czesc(std::move(bufor));
            RysujKawalekDxf(kawalki[static_cast<std::size_t>(i)]);
            bufor = czesc.Zabierz();
        },
        [](std::string& bufor) { DxfDopisz(bufor); });
    return true;
}

} // namespace

std::string TForm1::EksportujWarianty(const std::string& plik)
{
    const ZachowajWyjscia tylkoDxf(false, false, true);
    EksportDxf eksport(plik);
    if (!EksportujWatkami(LiczbaWariantow()))
        for (int v = 0; v < LiczbaWariantow(); ++v)
            RysujKawalekDxf({v, ZakresArkusza{}});
    return eksport.Zakoncz();
}

void TForm1::TB_DoDxfaClick()
{
    if (!SprawdzWezlyIWarianty())
        return;
    SaveDxf.NazwaPliku = NazwaObokProjektu(".dxf");
    SaveDxf.KatalogPoczatkowy = KatalogPoczatkowyDialogu();
    if (!SaveDxf.Execute(this))
        return;
    if (!NadpisanieDozwolone(SaveDxf.NazwaPliku, false))
        return;
    const std::string plik = SaveDxf.NazwaPliku;
    std::string blad, uwaga;
    try {
        uwaga = EksportujWarianty(plik);
    } catch (const BladDxf& e) {
        blad = e.what();
    } catch (const std::exception& e) {
        // Memory or a system resource that ran out on the way: the file is
        // named; the half-written one went with the export.
        const int nr = NumerBleduWyjatku(e);
        blad = nr != 0 ? KomunikatZapisu(plik, nr) : Utf8NaCp1250(e.what());
    }
    Przerysuj();
    if (!blad.empty())
        PokazBlad(blad);
    else if (!uwaga.empty())
        PokazUwage(uwaga);
}
