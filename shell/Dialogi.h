#pragma once
// The shell's path to the platform's message boxes, file dialogs and document
// opener (scripted by the tests through the platform's own double).

#include <QString>
#include <filesystem>
#include <string>

class QWidget;

// The sources' UTF-8 literals as QString.
inline QString U(const char* utf8) { return QString::fromUtf8(utf8); }

void PokazKomunikat(const QString& tekst);
void PokazBladUzytkownikowi(const std::string& tekstCp1250);
// A warning, as what a save that succeeded could not keep.
void PokazUwageUzytkownikowi(const std::string& tekstCp1250);
// Empty when the user cancels. filtr: "description|pattern|...". Paths go
// to the dialogs and come back as the system's bytes, never through Qt's
// text, which loses a name that is no UTF-8.
std::filesystem::path WybierzPlikDoOtwarcia(QWidget* rodzic, const QString& filtr,
                                            const std::filesystem::path& katalog, const QString& rozszerzenie);
std::filesystem::path WybierzPlikDoZapisu(QWidget* rodzic, const QString& filtr, const std::filesystem::path& katalog,
                                          const QString& rozszerzenie, const std::filesystem::path& proponowany);
// A file with its program, a web or mail address with the browser or the
// mail program; when nothing opens, a message names what could not be.
void OtworzDokument(const QString& sciezkaLubAdres);
