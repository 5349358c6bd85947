// The analysis of firmware files: what passes, and the exact refusal of
// every kind of broken file, before anything is sent.
#include <gtest/gtest.h>

#include <cctype>

#include "firmware_analysis.h"
#include "firmware_dir.h"
#include "recording_ui.h"

namespace rivo {
namespace {

using torvik::sim::hexRecord;

const std::string kAddition = ".\n\nUnable to upgrade the instrument. Contact your resaler";

// Records whose data spell `texts`, one record each, then the end record.
std::string fileOf(const std::vector<std::string> &texts, const std::string &end = ":00000001FF\r\n")
{
    std::string file;
    int address = 0;
    for (const std::string &text : texts) {
        file += hexRecord(address, 0, text) + "\r\n";
        address += static_cast<int>(text.size());
    }
    return file + end;
}

struct AnalysisCase {
    const char *name;
    std::string content;
    AnalysisResult result;
    std::string box;  // the last box's text, empty when none
    std::vector<std::string> list;
    int records;
};

class Analysis : public ::testing::TestWithParam<AnalysisCase> {};

TEST_P(Analysis, ResultAndMessage)
{
    const AnalysisCase &c = GetParam();
    test::FirmwareDir dir;
    dir.write("A.HEX", c.content);
    test::RecordingUi ui;
    const Dialogue dialogue(ui, Language::English, false);
    FirmwareFile file{"A.HEX", dir.path() / "A.HEX", 0, {}};
    EXPECT_EQ(analyseFirmware(file, dialogue), c.result);
    if (c.box.empty()) {
        EXPECT_TRUE(ui.boxes.empty()) << ui.lastText();
    } else {
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].text, c.box);
        EXPECT_EQ(ui.boxes[0].icon, BoxIcon::Warning);
    }
    if (c.result == AnalysisResult::Done) {
        EXPECT_EQ(file.compatList, c.list);
        EXPECT_EQ(file.recordCount, c.records);
    }
}

const std::string kList = "ab___LIST_COMP_HEX|01234567A12|76543210B01||";
const std::vector<std::string> kTwo{"01234567A12", "76543210B01"};
const std::string kWrong = "File \"A.HEX\" is wrong" + kAddition;
const std::string kNoList = "No compatibility list has been found in the file \"A.HEX\"" + kAddition;

std::string lowerCase(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The first record's checksum one off.
std::string spoiltChecksum(std::string file)
{
    const std::size_t lineEnd = file.find('\r');
    file[lineEnd - 1] = file[lineEnd - 1] == '0' ? '1' : '0';
    return file;
}

std::vector<AnalysisCase> analysisCases()
{
    const std::string splitWithExtended = hexRecord(0, 0, "___LIST_COMP_HEX|01234567A12|") + "\r\n"
        + ":020000040000FA\r\n" + hexRecord(0x20, 0, "76543210B01||") + "\r\n:00000001FF\r\n";
    return {
        {"TwoEntries", fileOf({kList, "firmware"}), AnalysisResult::Done, "", kTwo, 3},
        {"LowerCaseAndOtherLines", "comment line\n" + lowerCase(fileOf({kList})), AnalysisResult::Done, "", kTwo, 2},
        {"ExtendedAddressInBetween", splitWithExtended, AnalysisResult::Done, "", kTwo, 4},
        {"LinesAfterEndNotRead", fileOf({kList}) + "garbage\n:0300300002337A1F\n", AnalysisResult::Done, "", kTwo, 2},
        {"BadChecksum", spoiltChecksum(fileOf({kList})), AnalysisResult::Failed, kWrong, {}, 0},
        {"OddDigits", ":0300300002337A1\r\n:00000001FF\r\n", AnalysisResult::Failed, kWrong, {}, 0},
        {"NoEndRecord", fileOf({kList}, ""), AnalysisResult::Failed, kWrong, {}, 0},
        {"EmptyFile", "", AnalysisResult::Failed, kWrong, {}, 0},
        {"ListAfterEndRecord", ":00000001FF\r\n" + fileOf({kList}), AnalysisResult::Failed, kNoList, {}, 0},
        {"NoMarker", fileOf({"firmware only", "01234567A12||"}), AnalysisResult::Failed, kNoList, {}, 0},
        {"ListNeverClosed", fileOf({"___LIST_COMP_HEX|01234567A12|"}), AnalysisResult::Failed, kNoList, {}, 0},
        {"TenCharacterEntry", fileOf({"___LIST_COMP_HEX|1234567A12||"}), AnalysisResult::Failed,
         "The compatibility list of the file  \"A.HEX\" is wrong" + kAddition, {}, 0},
    };
}

INSTANTIATE_TEST_SUITE_P(Files, Analysis, ::testing::ValuesIn(analysisCases()),
                         [](const auto &test) { return test.param.name; });

TEST(AnalysisWindow, MissingFileAndFrenchTexts)
{
    test::FirmwareDir dir;
    test::RecordingUi ui;
    const Dialogue dialogue(ui, Language::French, false);
    FirmwareFile file{"B.HEX", dir.path() / "B.HEX", 0, {}};
    EXPECT_EQ(analyseFirmware(file, dialogue), AnalysisResult::Failed);
    EXPECT_EQ(ui.lastText(), "Impossible d'ouvrir le fichier \"B.HEX\".\n\n"
                             "Impossible d'effectuer la mise à jour. Contactez votre revendeur");
}

TEST(AnalysisWindow, CancelAsksAndYesAbandons)
{
    test::FirmwareDir dir;
    dir.write("A.HEX", fileOf({kList, "one", "two"}));
    test::RecordingUi ui;
    ui.cancelAtPoll = 2;
    ui.answer = [](const MessageBox &) { return BoxAnswer::Yes; };
    const Dialogue dialogue(ui, Language::English, false);
    FirmwareFile file{"A.HEX", dir.path() / "A.HEX", 0, {}};
    EXPECT_EQ(analyseFirmware(file, dialogue), AnalysisResult::Cancelled);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Do you want to abort the upgrading process ?");
    EXPECT_EQ(ui.boxes[0].buttons, BoxButtons::YesNo);
    EXPECT_EQ(ui.progressTexts.front(), "Analysing file \"A.HEX\"");
}

TEST(AnalysisWindow, TraceModeShowsTheListAndCancelEnds)
{
    test::FirmwareDir dir;
    dir.write("A.HEX", fileOf({kList}));
    test::RecordingUi ui;
    ui.answer = [](const MessageBox &) { return BoxAnswer::Cancel; };
    const Dialogue dialogue(ui, Language::English, true);
    FirmwareFile file{"A.HEX", dir.path() / "A.HEX", 0, {}};
    EXPECT_THROW(analyseFirmware(file, dialogue), UpgraderEnded);
    EXPECT_EQ(ui.lastText(), "Compatibility List:\n01234567A12\n76543210B01");
}

}  // namespace
}  // namespace rivo
