// Decoding of the tester's blocks into records, on hand-made blocks: byte
// order, texts, date-times and the bytes each firmware revision sends.
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "record_decoders.h"

using namespace torvlink;
using Bytes = std::vector<uint8_t>;

namespace {

Bytes zeros(std::size_t n) { return Bytes(n, 0); }

void put16(Bytes &b, std::size_t offset, uint16_t v) {
    b[offset] = static_cast<uint8_t>(v >> 8);
    b[offset + 1] = static_cast<uint8_t>(v);
}

void put32(Bytes &b, std::size_t offset, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[offset + static_cast<std::size_t>(i)] = static_cast<uint8_t>(v >> (24 - 8 * i));
}

void putText(Bytes &b, std::size_t offset, const std::string &text) {
    std::memcpy(b.data() + offset, text.data(), text.size());
}

uint16_t host16(const void *record, std::size_t offset) {
    uint16_t v;
    std::memcpy(&v, static_cast<const uint8_t *>(record) + offset, 2);
    return v;
}

}  // namespace

TEST(TesterDateTime, TopBitBecomesAFixedDate) {
    EXPECT_EQ(decode::testerDateTime(0x80000000u), 0x60000000u);
    EXPECT_EQ(decode::testerDateTime(0xFFFFFFFFu), 0x60000000u);
    EXPECT_EQ(decode::testerDateTime(0x5F000000u), 0x5F000000u);
}

TEST(SiteSummary, NameAndDateTime) {
    Bytes block = zeros(22);
    putText(block, 0, "B\x82TIMENT A");
    put32(block, 16, 0x80000000u);
    char name[16];
    uint32_t when = 0;
    decode::siteSummary(block, name, when);
    EXPECT_STREQ(name, "B\xE9TIMENT A");
    EXPECT_EQ(when, 0x60000000u);
}

TEST(SiteConfig, ConvertsWordsTextsAndKeepsRawBytes) {
    Bytes block = zeros(72);
    putText(block, 0, "SITE 1");
    block[16] = 3, block[17] = 1, block[18] = 2;
    putText(block, 19, "T568B");
    put16(block, 38, 690);
    put16(block, 40, 0x1234);
    putText(block, 42, "AAaaBBbbCCccDDdd");  // 16 characters, no NUL
    put16(block, 58, 7), put16(block, 60, 8);
    block[62] = 0x62, block[63] = 0x63, block[64] = 0x64;
    put32(block, 65, 0xA1B2C3D4u);
    block[69] = 5;
    SiteConfigRecord r;
    decode::siteConfig(block, "D.05", r);
    EXPECT_STREQ(r.siteName, "SITE 1");
    EXPECT_EQ(+r.standardNr, 3);
    EXPECT_EQ(+r.conventionNr, 1);
    EXPECT_EQ(+r.cableNr, 2);
    EXPECT_STREQ(r.wiringText, "T568B");
    EXPECT_EQ(+r.nvp, 690);
    EXPECT_EQ(+r.word40, 0x1234);
    EXPECT_EQ(std::string(r.patternText, 16), "AAaaBBbbCCccDDdd");
    EXPECT_EQ(+r.word58, 7);
    EXPECT_EQ(+r.word60, 8);
    EXPECT_EQ(+r.byte64, 0x64);
    EXPECT_EQ(+r.dword65, 0xA1B2C3D4u);
    EXPECT_EQ(+r.plugNameNr, 5);
}

TEST(SiteConfig, PlugNameNumberOnlyFromFirmwareThatSendsIt) {
    Bytes block = zeros(72);
    block[69] = 5;
    SiteConfigRecord r;
    decode::siteConfig(block, "B.07", r);
    EXPECT_EQ(+r.plugNameNr, 0);
    decode::siteConfig(block, "Z.38", r);
    EXPECT_EQ(+r.plugNameNr, 5);
}

TEST(SiteConfig, ShortBlockLeavesTheRestZero) {
    Bytes block = zeros(10);
    putText(block, 0, "ABCDEFGH");
    SiteConfigRecord r;
    std::memset(&r, 0xAA, sizeof r);
    decode::siteConfig(block, "D.05", r);
    EXPECT_STREQ(r.siteName, "ABCDEFGH");
    EXPECT_EQ(+r.nvp, 0);
    EXPECT_EQ(+r.plugNameNr, 0);
}

TEST(Cable, ConvertsItsWords) {
    Bytes block = zeros(10);
    put16(block, 0, 301), block[2] = 0xF8, block[3] = 9;
    put16(block, 4, 1000), put16(block, 6, 0xBEEF);
    CableRecord r;
    decode::cable(block, r);
    EXPECT_EQ(+r.nameMsgNr, 301);
    EXPECT_EQ(+r.flags, 0xF8);
    EXPECT_EQ(+r.byte3, 9);
    EXPECT_EQ(+r.word4, 1000);
    EXPECT_EQ(+r.word6, 0xBEEF);
}

TEST(WiringConvention, NameNumberAndWireNames) {
    Bytes info = zeros(21);
    put16(info, 0, 0x0102);
    info[2] = 0xE0;
    ConnectionInfoRecord c;
    decode::connectionInfo(info, c);
    EXPECT_EQ(+c.nameMsgNr, 0x0102);
    EXPECT_EQ(+c.flags, 0xE0);

    Bytes names = zeros(98);
    putText(names, 0, "1");
    putText(names, 44, "8");
    putText(names, 48, "W\x82");
    WireNamesRecord w;
    decode::wireNames(names, w);
    EXPECT_STREQ(w.names[0], "1");
    EXPECT_STREQ(w.names[11], "8");
    EXPECT_STREQ(w.names[12], "W\xE9");
}

TEST(Section, CommonHeaderAndTypeTwoTouchOnlyTheNextNumber) {
    Bytes block = zeros(410);
    block[0] = 0x02;
    put16(block, 1, 0x0203);
    block[5] = 0x11, block[6] = 0x22;
    SectionRecord r;
    decode::section(block, "D.05", 0, r);
    EXPECT_EQ(+r.type & 3, 2);
    EXPECT_EQ(+r.next, 0x0203);
    EXPECT_EQ(+r.body.raw[2], 0x11);  // offset 5 stays as sent
    EXPECT_EQ(+r.body.raw[3], 0x22);
}

TEST(Section, TypeThreeSwapsItsWordFromD03On) {
    Bytes block = zeros(410);
    block[0] = 0x03;
    put16(block, 5, 399);
    SectionRecord r;
    decode::section(block, "D.03", 0, r);
    EXPECT_EQ(host16(&r, 5), 399);
    decode::section(block, "D.02", 0, r);
    EXPECT_EQ(+r.body.raw[2], 399 >> 8);  // as sent
    EXPECT_EQ(+r.body.raw[3], 399 & 0xFF);
}

struct KindByteCase {
    const char *revision;
    uint8_t sent;
    uint8_t decoded;
};

class SectionKindByte : public ::testing::TestWithParam<KindByteCase> {};

TEST_P(SectionKindByte, OldFirmwareTellsTheKindByBitZero) {
    Bytes block = zeros(410);
    block[41] = GetParam().sent;
    SectionRecord r;
    decode::section(block, GetParam().revision, 0, r);
    EXPECT_EQ(+r.body.plug.result, GetParam().decoded);
}

INSTANTIATE_TEST_SUITE_P(Revisions, SectionKindByte,
                         ::testing::Values(KindByteCase{"B.01", 0x01, 0x21}, KindByteCase{"B.02", 0x01, 0x01},
                                           KindByteCase{"B.01", 0xDE, 0x1E}, KindByteCase{"Z.31", 0x01, 0x21},
                                           KindByteCase{"Z.32", 0x41, 0x41}));

TEST(Section, PlugTextsAndDateAreConverted) {
    Bytes block = zeros(410);
    putText(block, 3, "PP-01 \x82");
    putText(block, 18, "ETAGE 2");
    put32(block, 37, 0x65000000u);
    SectionRecord r;
    decode::section(block, "D.05", 0, r);
    EXPECT_STREQ(r.body.plug.identifier, "PP-01 \xE9");
    EXPECT_STREQ(r.body.plug.text, "ETAGE 2");
    EXPECT_EQ(+r.body.plug.dateTime, 0x65000000u);
}

TEST(Section, KindZeroConvertsTwoWordsInEachOfFourGroups) {
    Bytes block = zeros(410);
    block[41] = 0x00;
    for (std::size_t g : {43u, 48u, 53u, 58u}) {
        put16(block, g, static_cast<uint16_t>(g * 10));
        put16(block, g + 2, static_cast<uint16_t>(g * 10 + 1));
        block[g + 4] = 0x5A;
    }
    SectionRecord r;
    decode::section(block, "D.05", 0, r);
    for (std::size_t g : {43u, 48u, 53u, 58u}) {
        EXPECT_EQ(host16(&r, g), g * 10);
        EXPECT_EQ(host16(&r, g + 2), g * 10 + 1);
        EXPECT_EQ(reinterpret_cast<const uint8_t *>(&r)[g + 4], 0x5A);
    }
}

TEST(Section, KindOneConvertsNineWordsAndByte60ByRevision) {
    Bytes block = zeros(410);
    block[41] = 0x20;
    for (std::size_t o = 42; o <= 58; o += 2) put16(block, o, static_cast<uint16_t>(o + 1000));
    block[60] = 0x77;
    SectionRecord r;
    decode::section(block, "B.08", 0, r);
    for (std::size_t o = 42; o <= 58; o += 2) EXPECT_EQ(host16(&r, o), o + 1000);
    EXPECT_EQ(reinterpret_cast<const uint8_t *>(&r)[60], 0x77);
    decode::section(block, "B.07", 0, r);
    EXPECT_EQ(reinterpret_cast<const uint8_t *>(&r)[60], 0);
}

TEST(Section, CopperLayoutsFollowTheStandardsOptionBits) {
    Bytes block = zeros(410);
    block[41] = 0x40;  // kind 2
    block[43] = 0x13, block[44] = 0x35;
    put16(block, 51, 5100);
    SectionRecord r;
    decode::section(block, "D.05", 0, r);  // oldest layout: flag bit 8 moves to bit 0
    EXPECT_EQ(host16(&r, 43), 0x1235);
    EXPECT_EQ(host16(&r, 51), 5100);

    Bytes flagged = zeros(410);
    flagged[41] = 0x40;
    put16(flagged, 42, 4200), put16(flagged, 46, 4600);
    decode::section(flagged, "D.05", 4, r);
    EXPECT_EQ(host16(&r, 42), 4200);
    EXPECT_EQ(host16(&r, 46), 4600);

    Bytes second = zeros(410);
    second[41] = 0xE0;  // kind 7
    put16(second, 43, 4300), put16(second, 46, 4601);
    decode::section(second, "D.05", 8, r);
    EXPECT_EQ(host16(&r, 43), 4300);
    EXPECT_EQ(host16(&r, 46), 4601);
}

TEST(Section, GraphHeaderConvertsItsWord) {
    Bytes block = zeros(410);
    block[0] = 0x01;
    put16(block, 43, 361);
    SectionRecord r;
    decode::section(block, "D.05", 0, r);
    EXPECT_EQ(host16(&r, 43), 361);
}

TEST(GraphSummary, TextsDateAndPair) {
    Bytes block = zeros(50);
    putText(block, 0, "PP-07");
    putText(block, 15, "2E ETAGE");
    put32(block, 34, 0xC0000000u);
    block[38] = 0x30;
    putText(block, 40, "12/36");
    GraphSummaryRecord r;
    decode::graphSummary(block, r);
    EXPECT_STREQ(r.identifier, "PP-07");
    EXPECT_STREQ(r.text, "2E ETAGE");
    EXPECT_EQ(+r.dateTime, 0x60000000u);
    EXPECT_EQ(+r.bytes38[0], 0x30);
    EXPECT_STREQ(r.pairText, "12/36");
}

TEST(Norm, WordsFrequencyAndLateBytes) {
    Bytes block = zeros(31);
    put16(block, 0, 401);
    for (std::size_t o = 4; o <= 14; o += 2) put16(block, o, static_cast<uint16_t>(o));
    block[16] = 0x0C;
    put16(block, 17, 6000);
    for (uint8_t i = 0; i < 8; ++i) block[19 + i] = static_cast<uint8_t>(10 + i);
    block[27] = 0xAB, block[28] = 0xCD;
    NormRecord r;
    decode::norm(block, "B.08", r);
    EXPECT_EQ(+r.nameMsgNr, 401);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(+r.words4[i], 4 + 2 * i);
    EXPECT_EQ(+r.options, 0x0C);
    EXPECT_EQ(+r.frequency, 6000);
    EXPECT_EQ(+r.limitNrs[7], 17);
    EXPECT_EQ(+r.bytes27[0], 0xAB);
    decode::norm(block, "B.07", r);
    EXPECT_EQ(+r.bytes27[0], 0);
    EXPECT_EQ(+r.bytes27[1], 0);
}

TEST(Sweep, SegmentCountFollowsTheBlockLengthAndCountsNonzeroStarts) {
    Bytes block = zeros(26);
    put16(block, 0, 60), put16(block, 2, 3), put16(block, 4, 200);
    put16(block, 12, 700);
    SweepSegment segments[4] = {{9, 9, 9}, {9, 9, 9}, {9, 9, 9}, {9, 9, 9}};
    EXPECT_EQ(decode::sweep(block, segments), 2);
    EXPECT_EQ(+segments[0].start, 60);
    EXPECT_EQ(+segments[0].lastIndex, 200);
    EXPECT_EQ(+segments[1].start, 0);
    EXPECT_EQ(+segments[2].start, 700);

    SweepSegment two[4] = {{9, 9, 9}, {9, 9, 9}, {9, 9, 9}, {9, 9, 9}};
    EXPECT_EQ(decode::sweep(Bytes(14, 1), two), 2);
    EXPECT_EQ(+two[2].start, 9);  // beyond the block: untouched
}

TEST(LimitCurve, CountIsCappedAtFortyFiveRecords) {
    Bytes block = zeros(331);
    put16(block, 0, 47);
    put16(block, 7 * 44, 0x1234);
    block[7 * 44 + 6] = 0x99;
    LimitCurve curve{};
    EXPECT_EQ(decode::limitCurve(block, curve), 45);
    EXPECT_EQ(+curve.records[0].frequency, 47);
    EXPECT_EQ(+curve.records[44].frequency, 0x1234);
    EXPECT_EQ(+curve.records[44].auxiliary, 0x99);
}

TEST(LimitOpt, EightWordFormRepeatsTheFirstGroupAndScalesOddWords) {
    Bytes block = zeros(18);
    for (uint16_t i = 0; i < 8; ++i) put16(block, 2u * i, static_cast<uint16_t>(i + 1));
    LimitOptRecord r{};
    decode::limitOpt(block, "B.05", r);
    const uint16_t expected[12] = {1, 20, 3, 40, 1, 20, 3, 40, 5, 60, 7, 80};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(+r.words[i], expected[i]) << i;
}

TEST(LimitOpt, TwelveWordFormIsTakenAsItComes) {
    Bytes block = zeros(26);
    for (uint16_t i = 0; i < 12; ++i) put16(block, 2u * i, static_cast<uint16_t>(100 + i));
    LimitOptRecord r{};
    decode::limitOpt(block, "C.05", r);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(+r.words[i], 100 + i) << i;
}

TEST(LimitOpt, EightWordFormInTenthsFromB08) {
    Bytes block = zeros(18);
    for (uint16_t i = 0; i < 8; ++i) put16(block, 2u * i, static_cast<uint16_t>(i + 1));
    LimitOptRecord r{};
    decode::limitOpt(block, "C.04", r);
    EXPECT_EQ(+r.words[1], 2);
    EXPECT_EQ(+r.words[9], 6);
}
