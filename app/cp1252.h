// The link library and the tester speak Windows-1252; Qt speaks UTF-16.
#pragma once

#include <QString>
#include <string>

namespace quillet {

QString fromCp1252(const std::string &text);
QString fromCp1252(const char *text);

// A Windows-1252 text after the tester's special characters were spelt out
// (convertTesterText), ready to show.
QString testerTextToQString(const std::string &text);

// A text typed by the user as the records hold it; a character the set
// lacks becomes "?".
std::string toCp1252(const QString &text);

inline QString fromUtf8(const std::string &text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string toUtf8(const QString &text) {
    return text.toStdString();
}

}  // namespace quillet
