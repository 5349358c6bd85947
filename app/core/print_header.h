// The header printed at the top of every report (section "PrintHeader"):
// the company line with its font, and four more lines.
#pragma once

#include <array>
#include <string>

namespace quillet {

inline constexpr const char *kPrintHeaderSection = "PrintHeader";
inline constexpr const char *kSocietyKey = "Society";
inline constexpr const char *kFaceKey = "SocietyFontFaceName";
inline constexpr const char *kWeightKey = "SocietyFontWeight";
inline constexpr const char *kColorKey = "SocietyFontColor";
inline constexpr const char *kItalicKey = "SocietyFontItalic";
inline constexpr const char *kUnderlineKey = "SocietyFontUnderline";
inline constexpr const char *kStrikeOutKey = "SocietyFontStrikeOut";
// "Line2".."Line5"
std::string printHeaderLineKey(int line);

// The company line counts twice: a report's header is six lines high.
inline constexpr int kPrintHeaderLines = 6;
inline constexpr int kCompanyMaxLength = 40;
inline constexpr int kLineMaxLength = 80;

struct PrintHeader {
    std::string society = "...";
    std::string faceName = "Arial";
    int weight = 400;
    int color = 0;  // 0x00BBGGRR
    int italic = 0;
    int underline = 0;
    int strikeOut = 0;
    std::array<std::string, 4> lines{"...", "...", "...", "..."};  // lines 2 to 5
};

// What the dialog proposes when a key is missing.
PrintHeader printHeaderDialogDefaults();

// What a report uses when a key is missing (the header dialog was never
// confirmed): the same texts and face, but weight 1 and colour 1.
PrintHeader printHeaderReportDefaults();

}  // namespace quillet
