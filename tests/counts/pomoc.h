#pragma once
// The count windows created for one test over a counts folder of its own,
// with scripted dialogs and questions.

#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "counts/OknaPomiarow.h"
#include "counts/Pytanie.h"
#include "counts/Siatka.h"
#include "model/Projekt.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Komunikaty.h"

inline std::string PL(const char* utf8) { return Utf8NaCp1250(utf8); }

class OknaPomiarowTest : public ::testing::Test {
protected:
    QTemporaryDir katalog;
    DialogiTestowe dialogi;
    std::deque<int> odpowiedzi;         // 1 Tak, 7 Nie, 2 Kasuj
    std::vector<std::string> pytania;   // UTF-8

    void SetUp() override
    {
        ASSERT_TRUE(katalog.isValid());
        UstawSeparatorDziesietny('.');
        KatalogPomiarow = ZQString(katalog.path()) + "/Pomiary";
        KatalogPrognoz = KatalogPomiarow + "/Prognozy";
        KatalogUstawien = KatalogPomiarow + "/Ustawienia";
        ASSERT_EQ(UtworzKatalogiPomiarow(), "");
        UstawDialogi(&dialogi);
        UstawPytanieOkien([this](const QString& pytanie, bool zKasuj) {
            pytania.push_back(pytanie.toStdString());
            if (odpowiedzi.empty())
                return zKasuj ? PytanieKasuj : PytanieNie;
            const int o = odpowiedzi.front();
            odpowiedzi.pop_front();
            return o;
        });
        BiezacyPomiar = DanePomiar{};
        PomiaryRuchu = new TPomiaryRuchu;
        NatezeniaTabela = new TNatezeniaTabela;
        PojazdyTabela = new TPojazdyTabela;
        OpenPomiar = new TOpenPomiar;
        TabelaPrognoz = new TTabelaPrognoz;
        Opis = new TOpis;
    }

    void TearDown() override
    {
        for (QWidget* w : std::initializer_list<QWidget*>{PomiaryRuchu, NatezeniaTabela, PojazdyTabela, OpenPomiar,
                                                          TabelaPrognoz, Opis})
            delete w;
        PomiaryRuchu = nullptr, NatezeniaTabela = nullptr, PojazdyTabela = nullptr, OpenPomiar = nullptr;
        TabelaPrognoz = nullptr, Opis = nullptr;
        UstawPytanieOkien(nullptr);
        UstawDialogi(nullptr);
    }

    std::string Pomiar(const std::string& nazwa) const { return KatalogPomiarow + "/" + nazwa + ".pom"; }

    // Runs `co` inside the next modal window's event loop.
    static void WOknie(std::function<void()> co) { QTimer::singleShot(0, std::move(co)); }
};
