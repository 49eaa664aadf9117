#pragma once
// The program's application object: no exception leaves an event handler.
// A handler that throws (a file too large for the memory left, a fault) ends
// that one operation with a message; the program goes on with the open file
// and the project as the handler left them, never ended by the exception.

#include <QApplication>
#include <functional>

class Aplikacja : public QApplication {
public:
    Aplikacja(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* odbiorca, QEvent* zdarzenie) override;
};

// Runs `obsluga`; an exception it throws is shown as a Polish message and
// false returned in its place.
bool ObsluzBezWyjatku(const std::function<bool()>& obsluga);
