#include <gtest/gtest.h>

#include "doc_template_strings.h"
#include "module_version.h"
#include "print_header.h"
#include "quillet_strings.h"
#include "status_texts.h"
#include "tester_text.h"

namespace quillet {
namespace {

struct TextCase {
    const char *tester;
    const char *shown;
};

class TesterText : public ::testing::TestWithParam<TextCase> {};

TEST_P(TesterText, SpecialCharactersSpeltOut) {
    EXPECT_EQ(convertTesterText(GetParam().tester), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, TesterText,
    ::testing::Values(TextCase{"A\x1A" "B", "A->B"}, TextCase{"A\x1B" "B", "A<-B"},
                      TextCase{"A\x1D" "B", "A<->B"}, TextCase{"100\xDB", "100 Ohm"},
                      TextCase{"100 \xDB", "100 Ohm"}, TextCase{"\xDB", " Ohm"},
                      TextCase{"\xDB\xDB", " Ohm Ohm"}, TextCase{"plain \xE9t\xE9", "plain \xE9t\xE9"},
                      TextCase{"", ""}));

TEST(Cp1252, DecodesTheWindowsRangeAndLatin1) {
    EXPECT_EQ(cp1252ToUtf8("\x80 \xE9 \x96 A"), "\xE2\x82\xAC \xC3\xA9 \xE2\x80\x93 A");
    EXPECT_EQ(cp1252ToUtf8("\x81"), "\xEF\xBF\xBD");
}

// What the user types goes back into a document's Windows-1252; what the
// code page lacks, or malformed UTF-8, becomes "?".
TEST(Cp1252, EncodesTypedTextBack) {
    EXPECT_EQ(utf8ToCp1252("\xE2\x82\xAC \xC3\xA9 \xE2\x80\x93 A \xC2\xB5"), "\x80 \xE9 \x96 A \xB5");
    EXPECT_EQ(utf8ToCp1252("\xE2\x82\xAC"), "\x80");
    EXPECT_EQ(utf8ToCp1252("\xE4\xB8\xAD|\xF0\x9F\x98\x80|\xC3|\xC3("), "?|?|?|?(");
}

TEST(StatusPanes, LinkPaneRateOnFiveDigits) {
    EXPECT_EQ(linkPaneText("COM1", 38400), "COM1:38400");
    EXPECT_EQ(linkPaneText("COM1", 9600), "COM1:09600");
    EXPECT_EQ(linkPaneText("COM2", 19200), "COM2:19200");
    EXPECT_EQ(linkPaneText("COM4", 115200), "COM4:115200");
}

TEST(StatusPanes, PositionPaneHoldsTenCharacters) {
    EXPECT_EQ(positionPaneText(12), "12");
    EXPECT_EQ(positionPaneTextPadded(12), "0000000012");
    EXPECT_EQ(positionPaneText(123456789012L), "1234567890");
    EXPECT_EQ(cutToPositionPane("a line of text"), "a line of ");
}

TEST(Versions, FourNumbersOfARevision) {
    EXPECT_EQ(fixedVersionOf("D.06"), (std::array<int, 4>{4, 6, 0, 0}));
    EXPECT_EQ(fixedVersionOf("Z.21"), (std::array<int, 4>{26, 21, 0, 0}));
    EXPECT_EQ(fixedVersionOf("junk"), (std::array<int, 4>{}));
}

TEST(Versions, AboutBoxLinesOfTheProgramAndTheLibrary) {
    EXPECT_EQ(programVersionLine(programVersion()), "Quillet Version D.06 (4,6,0,0)");
    EXPECT_EQ(libraryVersionLine(linkLibraryVersion("libtorvlink.so", "D.05")),
              "libtorvlink.so Version D.05 (4,5,0,0)");
}

TEST(Versions, OnlyATestBuildWarnsAtStartUp) {
    EXPECT_EQ(testBuildWarning("Z.04"),
              "Attention!\nCette version (Z.04) de l'application est une version de test non diffus\xC3\xA9" "e.");
    EXPECT_FALSE(testBuildWarning("B.12"));
    EXPECT_FALSE(testBuildWarning(""));
}

TEST(DocumentTypes, SevenFieldsOfEachTypeString) {
    const DocTemplateStrings autotest = parseDocTemplateStrings(resourceString(ids::kAutotestDocStrings));
    EXPECT_EQ(autotest.windowTitle, "");
    EXPECT_EQ(autotest.docName, "Test");
    EXPECT_EQ(autotest.newName, "Autotest Document");
    EXPECT_EQ(autotest.filterName, "Autotest Files (*.tat)");
    EXPECT_EQ(autotest.filterExt, ".tat");
    EXPECT_EQ(autotest.regFileTypeId, "Quillet.Autotest.Document");
    EXPECT_EQ(autotest.regFileTypeName, "Quillet Autotest Document");
    const DocTemplateStrings graph = parseDocTemplateStrings(resourceString(ids::kGraphDocStrings));
    EXPECT_EQ(graph.newName, "Graph Document");
    EXPECT_EQ(graph.filterExt, ".frt");
    const DocTemplateStrings norm = parseDocTemplateStrings(resourceString(ids::kNormDocStrings));
    EXPECT_EQ(norm.newName, "Standard Document");
    EXPECT_EQ(norm.filterName, "Standards Files (*.nrm)");
    EXPECT_EQ(parseDocTemplateStrings("\nShort").regFileTypeName, "");
}

TEST(DocumentTypes, ExtensionMatchIgnoresCase) {
    const DocTemplateStrings autotest = parseDocTemplateStrings(resourceString(ids::kAutotestDocStrings));
    EXPECT_TRUE(matchesExtension(autotest, "/data/site.tat"));
    EXPECT_TRUE(matchesExtension(autotest, "SITE.TAT"));
    EXPECT_FALSE(matchesExtension(autotest, "site.frt"));
    EXPECT_FALSE(matchesExtension(autotest, "tat"));
}

TEST(PrintHeader, DialogAndReportsDifferOnlyInWeightAndColour) {
    const PrintHeader dialog = printHeaderDialogDefaults();
    const PrintHeader report = printHeaderReportDefaults();
    EXPECT_EQ(dialog.weight, 400);
    EXPECT_EQ(dialog.color, 0);
    EXPECT_EQ(report.weight, 1);
    EXPECT_EQ(report.color, 1);
    for (const PrintHeader &h : {dialog, report}) {
        EXPECT_EQ(h.society, "...");
        EXPECT_EQ(h.faceName, "Arial");
        EXPECT_EQ(h.italic + h.underline + h.strikeOut, 0);
        EXPECT_EQ(h.lines, (std::array<std::string, 4>{"...", "...", "...", "..."}));
    }
    EXPECT_EQ(printHeaderLineKey(2), "Line2");
    EXPECT_EQ(kPrintHeaderLines, 6);
}

}  // namespace
}  // namespace quillet
