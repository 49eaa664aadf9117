#include "shell/Aplikacja.h"

#include <exception>
#include <new>
#include <string>

#include "base/Kodowanie.h"
#include "platform/qt/Komunikaty.h"

namespace {

void Pokaz(const std::string& utf8)
{
    Dialogi().Blad(Utf8NaCp1250(utf8 + "\nOperacja została przerwana."));
}

}  // namespace

bool ObsluzBezWyjatku(const std::function<bool()>& obsluga)
{
    try {
        return obsluga();
    } catch (const std::bad_alloc&) {
        Pokaz("Brak pamięci.");
    } catch (const std::exception& e) {
        // Our messages are UTF-8 in the sources; a system's may be anything.
        const std::string tekst = e.what();
        Pokaz("Nieoczekiwany błąd programu" + (tekst.empty() ? std::string(".") : ": " + tekst));
    } catch (...) {
        Pokaz("Nieoczekiwany błąd programu.");
    }
    return false;
}

bool Aplikacja::notify(QObject* odbiorca, QEvent* zdarzenie)
{
    return ObsluzBezWyjatku([&] { return QApplication::notify(odbiorca, zdarzenie); });
}
