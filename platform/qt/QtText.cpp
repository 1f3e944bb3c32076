// cp1252 <-> QString through the platform codec.
#include "platform/qt/QtText.h"

#include "platform/Cp1252.h"

#include <QString>

namespace qm::platform {

QString toQString(std::string_view cp1252)
{
    QString text;
    text.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char c : cp1252)
        text.append(QChar(cp1252ToUnicode(static_cast<unsigned char>(c))));
    return text;
}

std::string fromQString(const QString &text)
{
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text) {
        auto byte = unicodeToCp1252(c.unicode());
        bytes += byte ? static_cast<char>(*byte) : '?';
    }
    return bytes;
}

} // namespace qm::platform
