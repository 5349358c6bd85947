#include "record_decoders.h"

#include <algorithm>
#include <cstring>

#include "oem_ansi.h"
#include "revision_gate.h"

namespace torvlink::decode {

static_assert(sizeof(SiteConfigRecord) == 70);
static_assert(sizeof(ConnectionInfoRecord) == 19);
static_assert(sizeof(WireNamesRecord) == 96);
static_assert(sizeof(CableRecord) == 8);
static_assert(sizeof(SectionRecord) == 408);
static_assert(sizeof(GraphSummaryRecord) == 48);
static_assert(sizeof(NormRecord) == 29);
static_assert(sizeof(SweepSegment) == 6);
static_assert(sizeof(LimitCurveRecord) == 7);
static_assert(sizeof(LimitCurve) == 315);
static_assert(sizeof(LimitOptRecord) == 24);

namespace {

// The record's bytes as received; what the block does not cover is zero.
template <typename Record>
uint8_t *copyRecord(Block block, Record &out) {
    auto *bytes = reinterpret_cast<uint8_t *>(&out);
    const std::size_t n = std::min(block.size(), sizeof(Record));
    std::memcpy(bytes, block.data(), n);
    std::memset(bytes + n, 0, sizeof(Record) - n);
    return bytes;
}

uint16_t bigEndian16(const uint8_t *p) { return static_cast<uint16_t>((p[0] << 8) | p[1]); }

void store16(uint8_t *p, uint16_t value) { std::memcpy(p, &value, 2); }

// Big-endian words and double words to host order, in place.
void word(uint8_t *record, std::size_t offset) { store16(record + offset, bigEndian16(record + offset)); }

void dateTime(uint8_t *record, std::size_t offset) {
    const uint8_t *p = record + offset;
    const uint32_t value = (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
    const uint32_t host = testerDateTime(value);
    std::memcpy(record + offset, &host, 4);
}

void dword(uint8_t *record, std::size_t offset) {
    const uint8_t *p = record + offset;
    const uint32_t value = (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
    std::memcpy(record + offset, &value, 4);
}

void text(uint8_t *record, std::size_t offset, std::size_t size) {
    oemToAnsi(reinterpret_cast<char *>(record + offset), size);
}

// Copper results of the oldest layout carry a flag in bit 8 of each of
// their first four words; it moves to bit 0.
void flaggedWord(uint8_t *record, std::size_t offset) {
    const uint16_t x = bigEndian16(record + offset);
    store16(record + offset, static_cast<uint16_t>((x & ~0x0101u) | ((x >> 8) & 1u)));
}

void plugResults(uint8_t *r, std::string_view revision, int32_t layoutFlags) {
    if (!isRevisionInRange(revision, gate::kSectKindByteAsSent)) {
        // Old firmware tells kind 0 from kind 1 by bit 0 alone.
        const uint8_t b = r[41];
        r[41] = static_cast<uint8_t>((b & 0x1F) | ((b & 1) << 5));
    }
    const int kind = r[41] >> 5;
    if (kind == 0) {
        for (std::size_t group : {43u, 48u, 53u, 58u}) {
            word(r, group);
            word(r, group + 2);
        }
    } else if (kind == 1) {
        for (std::size_t offset = 42; offset <= 58; offset += 2) word(r, offset);
        if (!isRevisionInRange(revision, gate::kHundredthsAndBytesAsSent)) r[60] = 0;
    } else if (layoutFlags & 4) {
        word(r, 42);
        word(r, 46);
    } else if (layoutFlags & 8) {
        word(r, 43);
        word(r, 46);
    } else {
        for (std::size_t offset : {43u, 45u, 47u, 49u}) flaggedWord(r, offset);
        for (std::size_t offset : {51u, 53u, 55u, 57u}) word(r, offset);
    }
}

}  // namespace

uint32_t testerDateTime(uint32_t received) { return (received & 0x80000000u) ? 0x60000000u : received; }

void siteSummary(Block block, char *name, uint32_t &when) {
    uint8_t bytes[20] = {};
    std::memcpy(bytes, block.data(), std::min(block.size(), sizeof bytes));
    std::memcpy(name, bytes, 15);
    name[15] = '\0';
    oemToAnsi(name, 16);
    dateTime(bytes, 16);
    std::memcpy(&when, bytes + 16, 4);
}

void siteConfig(Block block, std::string_view revision, SiteConfigRecord &out) {
    uint8_t *r = copyRecord(block, out);
    text(r, 0, 16);
    text(r, 19, 19);
    text(r, 42, 16);
    for (std::size_t offset : {38u, 40u, 58u, 60u}) word(r, offset);
    dword(r, 65);
    if (!isRevisionInRange(revision, gate::kHundredthsAndBytesAsSent)) r[69] = 0;
}

void connectionInfo(Block block, ConnectionInfoRecord &out) { word(copyRecord(block, out), 0); }

void wireNames(Block block, WireNamesRecord &out) {
    uint8_t *r = copyRecord(block, out);
    for (std::size_t name = 0; name < 24; ++name) text(r, name * 4, 4);
}

void cable(Block block, CableRecord &out) {
    uint8_t *r = copyRecord(block, out);
    for (std::size_t offset : {0u, 4u, 6u}) word(r, offset);
}

void section(Block block, std::string_view revision, int32_t layoutFlags, SectionRecord &out) {
    uint8_t *r = copyRecord(block, out);
    word(r, 1);
    switch (r[0] & 3) {
    case 0:
        text(r, 3, 15);
        text(r, 18, 19);
        dateTime(r, 37);
        plugResults(r, revision, layoutFlags);
        break;
    case 1:
        text(r, 3, 15);
        text(r, 18, 19);
        dateTime(r, 37);
        word(r, 43);
        break;
    case 3:
        // Newer firmware sends the curve's first value as a word.
        if (isRevisionInRange(revision, gate::kAutoGraphs)) word(r, 5);
        break;
    default:
        break;
    }
}

void graphSummary(Block block, GraphSummaryRecord &out) {
    uint8_t *r = copyRecord(block, out);
    text(r, 40, 8);
    text(r, 0, 15);
    text(r, 15, 19);
    dateTime(r, 34);
}

void norm(Block block, std::string_view revision, NormRecord &out) {
    uint8_t *r = copyRecord(block, out);
    for (std::size_t offset : {0u, 4u, 6u, 8u, 10u, 12u, 14u, 17u}) word(r, offset);
    if (!isRevisionInRange(revision, gate::kHundredthsAndBytesAsSent)) r[27] = r[28] = 0;
}

int16_t sweep(Block block, SweepSegment *segments) {
    const std::size_t n = std::min<std::size_t>(block.size() >= 2 ? (block.size() - 2) / 6 : 0, 4);
    int16_t count = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const uint8_t *p = block.data() + i * 6;
        segments[i] = {bigEndian16(p), bigEndian16(p + 2), bigEndian16(p + 4)};
        if (segments[i].start != 0) ++count;
    }
    return count;
}

uint16_t limitCurve(Block block, LimitCurve &out) {
    const std::size_t count =
        std::min<std::size_t>(block.size() >= 2 ? (block.size() - 2) / 7 : 0, TORVIK_LIMIT_RECORDS);
    for (std::size_t i = 0; i < count; ++i) {
        const uint8_t *p = block.data() + i * 7;
        out.records[i] = {bigEndian16(p), bigEndian16(p + 2), bigEndian16(p + 4), p[6]};
    }
    return static_cast<uint16_t>(count);
}

void limitOpt(Block block, std::string_view revision, LimitOptRecord &out) {
    uint8_t bytes[24] = {};
    std::memcpy(bytes, block.data(), std::min(block.size(), sizeof bytes));
    uint16_t received[12];
    for (std::size_t i = 0; i < 12; ++i) received[i] = bigEndian16(bytes + 2 * i);
    if (isRevisionInRange(revision, gate::kLimitOpt24Bytes)) {
        std::copy(received, received + 12, out.words);
    } else {  // eight words: the first group serves twice
        for (std::size_t i = 0; i < 4; ++i) out.words[i] = out.words[4 + i] = received[i];
        for (std::size_t i = 0; i < 4; ++i) out.words[8 + i] = received[4 + i];
    }
    if (!isRevisionInRange(revision, gate::kHundredthsAndBytesAsSent)) {
        for (std::size_t i = 1; i < 12; i += 2) out.words[i] = static_cast<uint16_t>(out.words[i] * 10);
    }
}

}  // namespace torvlink::decode
