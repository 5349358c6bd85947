#include "cp1252.h"

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
    return utf8ToCp1252(text.toStdString());
}

}  // namespace quillet
