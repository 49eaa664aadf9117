// Builds the user manual: starts the program under the offscreen platform,
// opens the shipped examples, takes a picture of every window, and prints
// the Markdown source with those pictures into a PDF file.
//
//   GeneratorInstrukcji <manual.md> <program folder> <output.pdf>
//
// The program folder is the build folder (fonts, examples); the program runs
// in a temporary copy of what it reads, so the build folder gets no lists.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
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
#include "tools/instrukcja/TekstInstrukcji.h"

namespace {

void Blad(const QString& tekst)
{
    std::fprintf(stderr, "GeneratorInstrukcji: %s\n", tekst.toLocal8Bit().constData());
}

// The window's picture taken while it shows (after `otworz` opens it as the
// program does), then the window closed.
QImage Zrzut(QWidget* okno, const std::function<void()>& otworz)
{
    QImage obraz;
    QTimer::singleShot(0, okno, [&] {
        QCoreApplication::processEvents();
        obraz = okno->grab().toImage();
        okno->hide();
    });
    otworz();
    return obraz;
}
void Modalnie(QDialog* d) { d->exec(); }

// Every window of the program by its picture's name.
QMap<QString, QImage> ZrzutyOkien(const QString& przyklady, DialogiTestowe& dialogi)
{
    QMap<QString, QImage> z;
    Form1->resize(1100, 720);
    Form1->OtworzOstatniProjekt(SciezkaZQString(przyklady + "/Skrzyzowanie_miejskie.rup"));
    Form1->Wszystko1Click();
    QCoreApplication::processEvents();
    z["glowne"] = Form1->grab().toImage();
    z["natezenia"] = Zrzut(NatezeniaRUPL, [] { Form1->OtworzDaneRuchoplanu(0); });
    z["geometria"] = Zrzut(GeometriaRuchoplan, [] { Form1->OtworzGeometrieRuchoplanu(0); });
    z["suwaki"] = Zrzut(UstawSuwak, [] {
        UstawSuwak->L_NrRupl->setText("0");
        Modalnie(UstawSuwak);
    });
    z["pomiar"] = Zrzut(PomiaryRuchu, [] { Form1->ToolButton2Click(); });
    z["czytaj_pomiary"] = Zrzut(OpenPomiar, [] { Modalnie(OpenPomiar); });
    z["tabela_natezen"] = Zrzut(NatezeniaTabela, [] { Modalnie(NatezeniaTabela); });
    z["tabela_pojazdow"] = Zrzut(PojazdyTabela, [] { Modalnie(PojazdyTabela); });
    z["prognozy"] = Zrzut(TabelaPrognoz, [] { Modalnie(TabelaPrognoz); });
    z["raport"] = Zrzut(Opis, [] { Modalnie(Opis); });
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

// The pictures no wider than the page's text.
void DopasujObrazy(QTextDocument& dok, qreal szerokosc)
{
    for (QTextBlock b = dok.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            QTextImageFormat obraz = f.charFormat().toImageFormat();
            if (!obraz.isValid())
                continue;
            const QImage img = dok.resource(QTextDocument::ImageResource, QUrl(obraz.name())).value<QImage>();
            if (img.isNull() || img.width() <= szerokosc)
                continue;
            obraz.setWidth(szerokosc);
            obraz.setHeight(img.height() * szerokosc / img.width());
            QTextCursor c(&dok);
            c.setPosition(f.position());
            c.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
            c.setCharFormat(obraz);
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

    // The program reads its fonts from a folder of its own.
    QTemporaryDir katalog;
    QDir().mkpath(katalog.path() + "/Dane");
    QDir().mkpath(katalog.path() + "/Pomiary");
    for (const char* f : {"Roman100.Lzs", "grecki100.Lzs"})
        QFile::copy(programu + "/Dane/" + f, katalog.path() + "/Dane/" + f);
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
    QFont czcionka("DejaVu Sans", 10);
    dok.setDefaultFont(czcionka);
    DopasujObrazy(dok, 640);

    QPdfWriter pdf(wynik + ".tmp");
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
    pdf.setTitle(QString::fromUtf8("Kartogram – instrukcja użytkownika"));
    pdf.setCreator("Kartogram");
    dok.print(&pdf);
    QFile::remove(wynik);
    if (!QFile::rename(wynik + ".tmp", wynik)) {
        Blad("nie można zapisać " + wynik);
        return 1;
    }
    return dialogi.Teksty().empty() ? 0 : 1;
}
