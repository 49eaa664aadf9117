#include "platform/qt/Kodowanie_qt.h"

#include <QFile>

#include "base/Kodowanie.h"

QString NaQString(std::string_view cp1250)
{
    const std::string utf8 = Cp1250NaUtf8(cp1250);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ZQString(const QString& tekst) { return ZQStringZOkna(tekst).cp1250; }

QString SciezkaNaQString(std::string_view sciezka)
{
    return QFile::decodeName(QByteArray(sciezka.data(), static_cast<qsizetype>(sciezka.size())));
}

std::string SciezkaZQString(const QString& sciezka) { return QFile::encodeName(sciezka).toStdString(); }

TekstZOkna ZQStringZOkna(const QString& tekst)
{
    const QByteArray utf8 = tekst.toUtf8();
    return Utf8NaCp1250ZOkna(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}
