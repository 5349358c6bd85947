#include "cp1252.h"

#include <QHash>

#include "tester_text.h"

namespace quillet {

QString fromCp1252(const std::string &text) {
    return fromUtf8(cp1252ToUtf8(text));
}

QString fromCp1252(const char *text) {
    return text ? fromCp1252(std::string(text)) : QString();
}

QString testerTextToQString(const std::string &text) {
    return fromCp1252(convertTesterText(text));
}

std::string toCp1252(const QString &text) {
    static const QHash<char32_t, char> bytes = [] {
        QHash<char32_t, char> map;
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const QString decoded = fromCp1252(std::string(1, static_cast<char>(byte)));
            if (decoded.size() == 1 && decoded[0] != QChar::ReplacementCharacter)
                map.insert(decoded[0].unicode(), static_cast<char>(byte));
        }
        return map;
    }();
    std::string out;
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x80)
            out += static_cast<char>(c);
        else
            out += bytes.value(c, '?');
    }
    return out;
}

}  // namespace quillet
