// Builds the user manual: starts the program under the offscreen platform,
// opens the shipped examples, takes a picture of every window, and prints
// the Markdown source with those pictures into a PDF file (StronyInstrukcji.h).
//
//   GeneratorInstrukcji <manual.md> <program folder> <output.pdf>
//
// The program folder is the build folder (fonts, examples); the program runs
// in a temporary copy of what it reads, so the build folder gets no lists.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "base/Wersja.h"
#include "counts/OknaPomiarow.h"
#include "junction_forms/OknaRuchoplanu.h"
#include "model/Projekt.h"
#include "platform/KatalogProgramu.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Komunikaty.h"
#include "shell/InfoOProgramie.h"
#include "shell/Okna.h"
#include "shell/PytanieTakNieKasuj.h"
#include "shell/TEdycjaOpisy.h"
#include "shell/TForm1.h"
#include "shell/TKopiujSchowek.h"
#include "shell/TUstawyGlobalne.h"
#include "shell/TWezlyOperacje.h"
#include "shell/TWrnt.h"
#include "shell/TWstawBlok.h"
#include "tools/instrukcja/StronyInstrukcji.h"
#include "tools/instrukcja/TekstInstrukcji.h"

namespace {

void Blad(const QString& tekst)
{
    std::fprintf(stderr, "GeneratorInstrukcji: %s\n", tekst.toLocal8Bit().constData());
}

// Runs `akcja` once `okno` has been shown and its events are through.
class PoPokazaniu : public QObject {
public:
    PoPokazaniu(QWidget* okno, std::function<void()> akcja) : akcja_(std::move(akcja)) { okno->installEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show) {
            o->removeEventFilter(this);
            QTimer::singleShot(0, this, akcja_);
        }
        return false;
    }

private:
    std::function<void()> akcja_;
};

// The window's picture taken once it shows (after `otworz` opens it as the
// program does) and `wOknie` has done its work there (choices, the windows
// it opens in turn), then the window closed.
QImage Zrzut(QWidget* okno, const std::function<void()>& otworz, const std::function<void()>& wOknie = {})
{
    QImage obraz;
    {
        const PoPokazaniu zrzut(okno, [&] {
            if (wOknie)
                wOknie();
            QCoreApplication::processEvents();
            obraz = okno->grab().toImage();
            okno->hide();
        });
        otworz();
    }
    return obraz;
}
void Modalnie(QDialog* d) { d->exec(); }

// The count `nazwa` chosen in the list of the count editor and opened.
void OtworzPomiar(const char* nazwa)
{
    const auto lista = PomiaryRuchu->ListaPomiar->findItems(nazwa, Qt::MatchExactly);
    if (lista.isEmpty()) {
        Blad(QString("brak pomiaru ") + nazwa);
        return;
    }
    PomiaryRuchu->ListaPomiar->setCurrentItem(lista[0]);
    PomiaryRuchu->Button1Click();
}

// The junction diagram that uses a forecast, so that every page of its
// window has something to show.
int32_t RuchoplanZPrognoza()
{
    for (int32_t i = 0; i < LiczbaRuchoplanow(); ++i)
        if (Ruchoplany[static_cast<std::size_t>(i)].NrPrognozy >= 0)
            return i;
    Blad("brak ruchoplanu z prognozą");
    return 0;
}

// Every window of the program by its picture's name; the count windows
// show the shipped count and forecast.
QMap<QString, QImage> ZrzutyOkien(const QString& przyklady, DialogiTestowe& dialogi)
{
    QMap<QString, QImage> z;
    Form1->resize(1100, 720);
    Form1->OtworzOstatniProjekt(SciezkaZQString(przyklady + "/Skrzyzowanie_miejskie.rup"));
    Form1->Wszystko1Click();
    QCoreApplication::processEvents();
    z["glowne"] = Form1->grab().toImage();
    const int32_t zPrognoza = RuchoplanZPrognoza();
    z["natezenia"] = Zrzut(NatezeniaRUPL, [zPrognoza] { Form1->OtworzDaneRuchoplanu(zPrognoza); }, [&z] {
        z["czytaj_pomiary"] = Zrzut(OpenPomiar, [] { NatezeniaRUPL->W_WczytajPomiarClick(); });
        z["prognozy"] = Zrzut(TabelaPrognoz, [] { NatezeniaRUPL->B_PrognozaClick(); });
        z["raport"] = Zrzut(Opis, [] { NatezeniaRUPL->B_PokazNatezeniaClick(); });
    });
    z["geometria"] = Zrzut(GeometriaRuchoplan, [] { Form1->OtworzGeometrieRuchoplanu(0); });
    z["suwaki"] = Zrzut(UstawSuwak, [] {
        UstawSuwak->L_NrRupl->setText("0");
        Modalnie(UstawSuwak);
    });
    z["pomiar"] = Zrzut(PomiaryRuchu, [] { Form1->ToolButton2Click(); }, [&z] {
        OtworzPomiar("Mickiewicza_Kosciuszki");
        z["tabela_natezen"] = Zrzut(NatezeniaTabela, [] { PomiaryRuchu->B_RuplClick(1); });
        z["tabela_pojazdow"] = Zrzut(PojazdyTabela, [] { PomiaryRuchu->B_UstawieniaClick(); });
    });
    z["ustawienia"] = Zrzut(UstawyGlobalne, [] { Form1->TB_UstawGlowneClick(); });
    z["wezel"] = Zrzut(WezlyOperacje, [] {
        WezlyOperacje->L_NrWezel->setText("0");
        Modalnie(WezlyOperacje);
    });
    z["wariant"] = Zrzut(Wrnt, [] { Modalnie(Wrnt); });
    z["pytanie"] = Zrzut(PytanieTakNieKasuj, [] {
        PytanieTakNieKasuj->Zapytaj(QString::fromUtf8("Zapisać zmiany w projekcie?"), true);
    });
    z["o_programie"] = Zrzut(InfoOProgramie, [] { Modalnie(InfoOProgramie); });

    Form1->OtworzOstatniProjekt(SciezkaZQString(przyklady + "/Siec_ul_Dlugiej.rup"));
    Form1->Wszystko1Click();
    QCoreApplication::processEvents();
    z["glowne_siec"] = Form1->grab().toImage();
    dialogi.SciezkiOtworz.push_back(SciezkaZQString(przyklady + "/../Dane/Bloki/Kartogram.blk"));
    WstawBlok->B_WczytajBlokiListaClick();
    z["blok"] = Zrzut(WstawBlok, [] {
        WstawBlok->PrzygotujWstawianie();
        Modalnie(WstawBlok);
    });
    z["opisy"] = Zrzut(EdycjaOpisy, [] {
        EdycjaOpisy->PrzygotujNowy();
        Modalnie(EdycjaOpisy);
    });
    z["schowek"] = Zrzut(KopiujSchowek, [] { Modalnie(KopiujSchowek); });

    Form1->OtworzOstatniProjekt(SciezkaZQString(przyklady + "/Rondo.rup"));
    Form1->Wszystko1Click();
    z["rondo_dane"] = Zrzut(DaneRonda, [] { Form1->OtworzDaneRonda(0); });
    z["rondo_geometria"] = Zrzut(GeometriaRondo, [] { Form1->OtworzGeometrieRonda(0); });
    return z;
}

// The offscreen platform warns of every window's size hints, and Qt of a
// session without a runtime folder: a reader of the build's output would
// take them for faults.
QtMessageHandler poprzedniKomunikat = nullptr;
void BezUwagOknaBezEkranu(QtMsgType typ, const QMessageLogContext& kontekst, const QString& tekst)
{
    if (tekst.contains(QLatin1String("propagateSizeHints()")) || tekst.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    poprzedniKomunikat(typ, kontekst, tekst);
}

// What the program reads from its folder: the fonts and the shipped counts,
// settings and forecast.
void KopiujFolderProgramu(const QString& programu, const QString& cel)
{
    for (const char* podkatalog : {"Dane", "Pomiary", "Pomiary/Ustawienia", "Pomiary/Prognozy"})
        QDir().mkpath(cel + "/" + podkatalog);
    for (const char* f : {"Roman100.Lzs", "grecki100.Lzs"})
        QFile::copy(programu + "/Dane/" + f, cel + "/Dane/" + f);
    for (const char* podkatalog : {"Pomiary", "Pomiary/Ustawienia", "Pomiary/Prognozy"}) {
        const QDir zrodlo(programu + "/" + podkatalog);
        for (const QString& plik : zrodlo.entryList(QDir::Files))
            QFile::copy(zrodlo.filePath(plik), cel + "/" + podkatalog + "/" + plik);
    }
}

} // namespace

int main(int argc, char** argv)
{
    // One offscreen screen of a common laptop's size, for the pictures.
    QTemporaryDir ekran;
    const QString konfiguracja = ekran.filePath("ekran.json");
    {
        QFile plik(konfiguracja);
        if (plik.open(QIODevice::WriteOnly))
            plik.write(R"({"screens": [{"name": "ekran", "x": 0, "y": 0, "width": 1280, "height": 800, )"
                       R"("logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    }
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + konfiguracja).toLocal8Bit());
    poprzedniKomunikat = qInstallMessageHandler(BezUwagOknaBezEkranu);
    QApplication app(argc, argv);
    if (argc != 4) {
        Blad("użycie: GeneratorInstrukcji <instrukcja.md> <folder programu> <instrukcja.pdf>");
        return 2;
    }
    const QString zrodlo = QString::fromLocal8Bit(argv[1]);
    const QString programu = QString::fromLocal8Bit(argv[2]);
    const QString wynik = QString::fromLocal8Bit(argv[3]);

    QFile plik(zrodlo);
    if (!plik.open(QIODevice::ReadOnly)) {
        Blad("nie można czytać " + zrodlo);
        return 1;
    }
    const QString markdown = TekstInstrukcji(QString::fromUtf8(plik.readAll()));

    // The program reads a folder of its own, whose path the count windows show.
    QTemporaryDir katalog(QDir::tempPath() + "/Kartogram-XXXXXX");
    KopiujFolderProgramu(programu, katalog.path());
    UstawKatalogProgramu(SciezkaZQString(katalog.path()));
    DialogiTestowe dialogi;
    UstawDialogi(&dialogi);
    UtworzOkna();
    Form1->show();
    QCoreApplication::processEvents();
    const QMap<QString, QImage> zrzuty = ZrzutyOkien(programu + "/Przyklady", dialogi);
    ProjektZmieniony = false;
    for (const std::string& t : dialogi.Teksty())
        Blad("komunikat programu: " + NaQString(t));
    ZniszczOkna();
    UstawDialogi(nullptr);

    QTextDocument dok;
    dok.setMarkdown(markdown);  // first: it clears the document's resources
    QDir().mkpath(QFileInfo(wynik).path() + "/zrzuty");
    for (auto it = zrzuty.begin(); it != zrzuty.end(); ++it) {
        if (it.value().isNull()) {
            Blad("brak obrazu okna " + it.key());
            return 1;
        }
        dok.addResource(QTextDocument::ImageResource, QUrl("zrzuty/" + it.key() + ".png"), it.value());
        it.value().save(QFileInfo(wynik).path() + "/zrzuty/" + it.key() + ".png");
    }
    dok.setDefaultFont(QFont("DejaVu Sans", 10));

    QPdfWriter pdf(wynik + ".tmp");
    pdf.setTitle(QString::fromUtf8("Kartogram – instrukcja użytkownika"));
    pdf.setCreator("Kartogram");
    DrukujInstrukcje(dok, pdf);
    QFile::remove(wynik);
    if (!QFile::rename(wynik + ".tmp", wynik)) {
        Blad("nie można zapisać " + wynik);
        return 1;
    }
    return dialogi.Teksty().empty() ? 0 : 1;
}
