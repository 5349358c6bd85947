#include "print_header_profile.h"

#include "cp1252.h"
#include "profile_settings.h"

namespace quillet {
namespace {

QString q(const char *text) {
    return QString::fromUtf8(text);
}

const QString kSection = q(kPrintHeaderSection);

QString lineKey(std::size_t index) {
    return QString::fromStdString(printHeaderLineKey(static_cast<int>(index) + 2));
}

}  // namespace

PrintHeader loadPrintHeader(const PrintHeader &defaults) {
    const Profile profile;
    PrintHeader h;
    h.society = toUtf8(profile.readString(kSection, q(kSocietyKey), fromUtf8(defaults.society)));
    h.faceName = toUtf8(profile.readString(kSection, q(kFaceKey), fromUtf8(defaults.faceName)));
    h.weight = profile.readInt(kSection, q(kWeightKey), defaults.weight);
    h.color = profile.readInt(kSection, q(kColorKey), defaults.color);
    h.italic = profile.readInt(kSection, q(kItalicKey), defaults.italic);
    h.underline = profile.readInt(kSection, q(kUnderlineKey), defaults.underline);
    h.strikeOut = profile.readInt(kSection, q(kStrikeOutKey), defaults.strikeOut);
    for (std::size_t i = 0; i < h.lines.size(); ++i)
        h.lines[i] = toUtf8(profile.readString(kSection, lineKey(i), fromUtf8(defaults.lines[i])));
    return h;
}

void savePrintHeader(const PrintHeader &h) {
    Profile profile;
    profile.writeString(kSection, q(kSocietyKey), fromUtf8(h.society));
    profile.writeString(kSection, q(kFaceKey), fromUtf8(h.faceName));
    profile.writeInt(kSection, q(kWeightKey), h.weight);
    profile.writeInt(kSection, q(kColorKey), h.color);
    profile.writeInt(kSection, q(kItalicKey), h.italic);
    profile.writeInt(kSection, q(kUnderlineKey), h.underline);
    profile.writeInt(kSection, q(kStrikeOutKey), h.strikeOut);
    for (std::size_t i = 0; i < h.lines.size(); ++i) profile.writeString(kSection, lineKey(i), fromUtf8(h.lines[i]));
}

int readPrintHeader(PrintHeader *header) {
    if (header) *header = loadPrintHeader(printHeaderReportDefaults());
    return kPrintHeaderLines;
}

}  // namespace quillet
