#include "platform/qt/Kodowanie_qt.h"

#include <QFile>

#include "base/Kodowanie.h"

QString NaQString(std::string_view cp1250)
{
    const std::string utf8 = Cp1250NaUtf8(cp1250);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ZQString(const QString& tekst) { return ZQStringZOkna(tekst).cp1250; }

QString SciezkaNaQString(const std::filesystem::path& sciezka)
{
    const std::string& bajty = sciezka.native();
    return QFile::decodeName(QByteArray(bajty.data(), static_cast<qsizetype>(bajty.size())));
}

std::filesystem::path SciezkaZQString(const QString& sciezka) { return QFile::encodeName(sciezka).toStdString(); }

QString SciezkaDoPokazania(const std::filesystem::path& sciezka)
{
    return QString::fromStdString(Utf8ZBajtamiCp1250(sciezka.native()));
}

TekstZOkna ZQStringZOkna(const QString& tekst)
{
    const QByteArray utf8 = tekst.toUtf8();
    return Utf8NaCp1250ZOkna(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}
