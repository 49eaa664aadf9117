#pragma once
// The program's own message boxes (no scripted dialogs) answered as a
// hurried user answers them: Enter, whatever the question.

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

// Runs `co`; every Qt message box it opens (UstawDialogi(nullptr) first) is
// closed by Enter. The boxes' texts, in order.
inline std::vector<std::string> ZEnterWPytaniach(const std::function<void()>& co)
{
    std::vector<std::string> teksty;
    QTimer czekaj;
    QObject::connect(&czekaj, &QTimer::timeout, [&] {
        auto* okno = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!okno || !okno->isVisible())
            return;
        teksty.push_back(okno->text().toStdString());
        QTest::keyClick(okno, Qt::Key_Return);
        if (okno->isVisible())
            okno->reject();  // the test fails on the texts; the box must not stay
    });
    czekaj.start(20);
    co();
    return teksty;
}
