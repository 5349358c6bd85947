// The record exports against the simulated tester: which command each
// firmware revision gets, the block query's retries, and the line forms.
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "sim_fixture.h"

namespace {

using torvik::sim::Command;
using torvik::sim::Reply;
using torvik::sim::TesterError;

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

class RecordQueries : public SimulatedTester {
protected:
    void openAt(const std::string &revision) {
        startTester(unitAtRevision(revision));
        openQuietly();
    }
};

struct GateCase {
    const char *revision;
    const char *wire;  // what the host sends, error queries included; "" for nothing
};

class PlugNameGate : public RecordQueries, public ::testing::WithParamInterface<GateCase> {};

TEST_P(PlugNameGate, AsksOnlyFirmwareWithPlugNames) {
    openAt(GetParam().revision);
    replyWith(tester(), "PLUG_NAME?", Reply::line("Bureau 2\x82"));
    char name[65] = "x";
    EXPECT_EQ(TorvikGetPlugName(name, 2), 0);
    EXPECT_STREQ(name, *GetParam().wire ? "Bureau 2\xE9" : "");
    EXPECT_EQ(tester().received(), GetParam().wire);
}

INSTANTIATE_TEST_SUITE_P(Revisions, PlugNameGate,
                         ::testing::Values(GateCase{"C.10", "REM\nPLUG_NAME? 2\nERR?\n"}, GateCase{"B.20", ""},
                                           GateCase{"Z.40", "REM\nPLUG_NAME? 2\nERR?\n"},
                                           GateCase{"Z.39", ""}));

class SectionCountGate : public RecordQueries, public ::testing::WithParamInterface<GateCase> {};

TEST_P(SectionCountGate, NewerFirmwareCountsSections) {
    openAt(GetParam().revision);
    replyWith(tester(), "NBSECTS_TESTS?", Reply::line("57"));
    replyWith(tester(), "NBTESTS?", Reply::line("24"));
    const int32_t count = TorvikGetSiteNbSectsTests(4);
    EXPECT_EQ(count, std::string(GetParam().wire).find("NBSECTS") != std::string::npos ? 57 : 24);
    EXPECT_EQ(tester().received(), GetParam().wire);
}

INSTANTIATE_TEST_SUITE_P(Revisions, SectionCountGate,
                         ::testing::Values(GateCase{"D.03", "REM\nNBSECTS_TESTS? 4\nERR?\n"},
                                           GateCase{"D.02", "REM\nNBTESTS? 4\nERR?\n"},
                                           GateCase{"Z.48", "REM\nNBSECTS_TESTS? 4\nERR?\n"}));

class NormCommandGate : public RecordQueries, public ::testing::WithParamInterface<GateCase> {};

TEST_P(NormCommandGate, SecondNumberFromB01On) {
    openAt(GetParam().revision);
    replyWith(tester(), "NORM?", Reply::binary(std::string(29, '\0')));
    NormRecord record;
    EXPECT_EQ(TorvikGetNorm(&record, 3, -1), 0);
    EXPECT_EQ(tester().received(), GetParam().wire);
}

INSTANTIATE_TEST_SUITE_P(Revisions, NormCommandGate,
                         ::testing::Values(GateCase{"B.01", "REM\nNORM? 3, -1\nERR?\n"},
                                           GateCase{"B.00", "REM\nNORM? 3\nERR?\n"}));

TEST_F(RecordQueries, OldFirmwareHasNoOptionalLimits) {
    openAt("B.00");
    LimitOptRecord record;
    std::memset(&record, 0x55, sizeof record);
    EXPECT_EQ(TorvikGetLimitOpt(&record, 1), 0);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(+record.words[i], 0);
    EXPECT_EQ(tester().received(), "");
}

TEST_F(RecordQueries, OptionalLimitsInTheEightWordForm) {
    openAt("B.05");
    replyWith(tester(), "LIMITOPT?", Reply::binary(bytes({0, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8})));
    LimitOptRecord record;
    ASSERT_EQ(TorvikGetLimitOpt(&record, 1), 0);
    const uint16_t expected[12] = {1, 20, 3, 40, 1, 20, 3, 40, 5, 60, 7, 80};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(+record.words[i], expected[i]);
}

TEST_F(RecordQueries, WireNumbersAskedFromA05) {
    openAt("A.04");
    uint8_t wires[8];
    ASSERT_EQ(TorvikGetNormWiresNr(wires, 0), 0);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(wires[i], i + 1);
    EXPECT_EQ(tester().received(), "");
}

TEST_F(RecordQueries, WireNumbersTakeTheLowByteAndFailOnAMissingOne) {
    openAt("D.05");
    replyWith(tester(), "NORM_WIRES_NR?", Reply::line("8,7,6,5,4,3,2,257"));
    uint8_t wires[8];
    ASSERT_EQ(TorvikGetNormWiresNr(wires, 0), 0);
    EXPECT_EQ(wires[0], 8);
    EXPECT_EQ(wires[7], 1);
    replyWith(tester(), "NORM_WIRES_NR?", Reply::line("3,4,5"));
    EXPECT_EQ(TorvikGetNormWiresNr(wires, 0), -1);
    EXPECT_EQ(wires[2], 5);
    EXPECT_EQ(wires[3], 4);  // filled afresh before asking
}

TEST_F(RecordQueries, CrcMismatchSendsTheCommandThreeTimes) {
    openAt("D.05");
    replyWith(tester(), "CABLE?", Reply::binary(bytes({1, 44, 0xF8, 0, 0, 100, 0, 200})));
    torvik::sim::Faults faults;
    faults.corruptCrcSends = 2;
    tester().setFaults(faults);
    CableRecord record;
    ASSERT_EQ(TorvikGetCable(&record, 1), 0);
    EXPECT_EQ(+record.nameMsgNr, 300);
    EXPECT_EQ(+record.word6, 200);
    const std::string once = "REM\nCABLE? 1\nERR?\n";
    EXPECT_EQ(tester().received(), once + once + once);
    EXPECT_TRUE(messages.empty());

    tester().clearTrace();
    faults.corruptCrcSends = 3;
    tester().setFaults(faults);
    EXPECT_EQ(TorvikGetCable(&record, 1), -1);
    EXPECT_EQ(tester().received(), once + once + once);
    EXPECT_TRUE(messages.empty());
}

TEST_F(RecordQueries, TesterErrorFailsABlockExportAtOnce) {
    openAt("D.05");
    // A section out of range: an empty block, and the error behind it.
    replyWith(tester(), "SECT?", Reply::raw("#10\n"));
    torvik::sim::Faults faults;
    faults.errorAfterCommand = "SECT?";
    faults.errorAfter = {-222, "Data out of range"};
    tester().setFaults(faults);
    SectionRecord record;
    EXPECT_EQ(TorvikGetSect(&record, 999, 0), -1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.find("Data out of range"), std::string::npos);
    EXPECT_EQ(tester().received().find("SECT? 999"), tester().received().rfind("SECT? 999"));  // sent once
}

TEST_F(RecordQueries, CountsReadTheirLeadingDigits) {
    openAt("D.05");
    replyWith(tester(), "NBSITES?", Reply::line("20"));
    EXPECT_EQ(TorvikGetNbSitesMax(), 20);
    replyWith(tester(), "NBSITES?", Reply::line("none"));
    EXPECT_EQ(TorvikGetNbSitesMax(), 0);
    replyWith(tester(), "NBNORMS?", Reply::none());
    EXPECT_EQ(TorvikGetNbNorms(), -1);
}

TEST_F(RecordQueries, GraphChainGivesItsFirstSectionAndCount) {
    openAt("D.05");
    replyWith(tester(), "NRSECT0_GRAPH?", Reply::line("120,3"));
    int16_t count = 0;
    EXPECT_EQ(TorvikGetSiteNrSect0Grph(&count, 1, 2), 120);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(tester().received(), "REM\nNRSECT0_GRAPH? 1, 2\nERR?\n");
    replyWith(tester(), "NRSECT0_GRAPH?", Reply::line("120"));
    EXPECT_EQ(TorvikGetSiteNrSect0Grph(&count, 1, 2), -1);
}

TEST_F(RecordQueries, SummaryDateIsSplitInTheLocalZone) {
    setenv("TZ", "UTC", 1);
    tzset();
    openAt("D.05");
    replyWith(tester(), "CFGSITE_SUM?", Reply::binary(std::string("SITE A") + std::string(10, '\0') +
                                                       bytes({0x80, 0, 0, 0})));
    char name[16];
    uint8_t day = 0, month = 0;
    uint16_t year = 0;
    ASSERT_EQ(TorvikGetSiteConfigSummaryEx(name, &day, &month, &year, 0), 0);
    EXPECT_STREQ(name, "SITE A");
    EXPECT_EQ(day, 14);
    EXPECT_EQ(month, 1);
    EXPECT_EQ(year, 2021);
}

TEST_F(RecordQueries, SweepAndLimitCountsFollowTheBlockLength) {
    openAt("D.05");
    replyWith(tester(), "SWEEP?", Reply::binary(bytes({0, 60, 0, 3, 0, 200, 2, 188, 0, 6, 1, 144})));
    SweepSegment segments[4] = {};
    int16_t count = 0;
    ASSERT_EQ(TorvikGetSweep(segments, &count, 0), 0);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(TorvikSweepIdxToFrqKHz(segments, 201), 11666);

    replyWith(tester(), "LIMIT?", Reply::binary(std::string(329, '\x01')));
    LimitCurve curve;
    uint16_t records = 0;
    ASSERT_EQ(TorvikGetLimit(&curve, &records, 0), 0);
    EXPECT_EQ(records, 45);
}

}  // namespace
