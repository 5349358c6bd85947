#include "norm_listing.h"

#include <algorithm>
#include <cstdio>

#include "quillet_strings.h"
#include "tester_text.h"
#include "torvlink.h"

namespace quillet::standards {
namespace {

using model::CNorm;

// Bits of the tests mask.
constexpr std::uint16_t kLoopResistanceTest = 0x0004;
constexpr std::uint16_t kLengthTest = 0x0008;
constexpr std::uint16_t kImpedanceTest = 0x0020;

// The frequency tests of the "Worst case" line, in the order it names them.
struct WorstCaseName {
    std::uint16_t bit;
    int textId;
};
constexpr WorstCaseName kWorstCaseNames[] = {
    {0x1000, 251}, {0x0800, 252}, {0x0400, 253}, {0x0200, 254},
    {0x0100, 124}, {0x0080, 255}, {0x0040, 256}, {0x2000, 183},
};

constexpr int kOpticalModeTexts[3] = {298, 299, 300};

std::string text(int id) { return resourceString(id); }

// "%02.2d" and "%4.4d": at least that many digits, zeros in front.
std::string zeroPadded(int value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", digits, value);
    return buffer;
}

// A listing number: fixed width, leading blanks dropped, and where decimals
// are asked trailing zeros of the fraction dropped.
std::string number(const NumberFormat &format, double value, int width, int decimals) {
    return format.fixedTrimmed(value, width, decimals, true);
}

std::string bodyLine(const std::string &content) { return "\t\t\t" + content; }

std::string lengthLine(const CNorm &s, const NumberFormat &f) {
    return bodyLine(text(116) + ": " + number(f, s.maxLength, 5, 1) + " m");
}

std::string nanosecondsLine(int textId, std::uint16_t value, const NumberFormat &f) {
    return bodyLine(text(textId) + ": " + number(f, value, 4, 0) + " ns");
}

void addLoopResistance(std::vector<std::string> &lines, const CNorm &s, const NumberFormat &f) {
    if ((s.testsMask & kLoopResistanceTest) && s.maxLoopResistance != 0)
        lines.push_back(bodyLine(text(119) + ": " + number(f, s.maxLoopResistance, 4, 1) + " ohm"));
}

void addValueModeBody(std::vector<std::string> &lines, const CNorm &s, const NumberFormat &f) {
    if (s.testsMask & kLengthTest) {
        lines.push_back(lengthLine(s, f));
        if (s.maxDelay != 0) lines.push_back(nanosecondsLine(117, s.maxDelay, f));
    }
    addLoopResistance(lines, s, f);
    if ((s.testsMask & kImpedanceTest) && s.zcTolerance != 0)
        lines.push_back(bodyLine(text(290) + " \xB1" + number(f, s.zcTolerance, 4, 0) + " ohm"));
}

void addSweepBody(std::vector<std::string> &lines, const CNorm &s, const NumberFormat &f) {
    lines.push_back(bodyLine(text(113) + ":"));
    for (std::size_t r = 0; r < s.sweep.size(); ++r) {
        std::string line = sweepSegmentLine(s, r, f);
        if (!line.empty()) lines.push_back(std::move(line));
    }
    if (s.testsMask & kLengthTest) {
        lines.push_back(lengthLine(s, f));
        if (s.maxDelay != 0) lines.push_back(nanosecondsLine(117, s.maxDelay, f));
        if (s.maxSkew != 0) lines.push_back(nanosecondsLine(118, s.maxSkew, f));
    }
    addLoopResistance(lines, s, f);
    lines.push_back(worstCaseLine(s.testsMask));
}

// A mode name with the "." of "62.5" in the user's separator.
std::string modeName(int table, const NumberFormat &f) {
    std::string name = text(kOpticalModeTexts[table]);
    std::replace(name.begin(), name.end(), '.', f.separator());
    return name;
}

void addOpticalBody(std::vector<std::string> &lines, const CNorm &s, const NumberFormat &f) {
    lines.push_back(bodyLine(text(115) + ":"));
    const int tables = s.hasNoMonoModeTable() ? 2 : 3;
    for (int t = 0; t < tables; ++t) {
        const auto &entries = s.optical[static_cast<std::size_t>(t)];
        if (entries[0].label == 0 && entries[1].label == 0) continue;
        lines.push_back("\t\t\t\t" + modeName(t, f) + ":");
        for (const model::OpticalLimit &entry : entries) {
            if (entry.label == 0) continue;
            lines.push_back("\t\t\t\t  " + zeroPadded(entry.label, 4) + " nm: " + f.fixed(entry.limit / 100.0, 5, 2, true) +
                            " dB " + text(209));
        }
    }
}

// The standard's sweep in the form the link converts.
std::array<::SweepSegment, 4> linkSweep(const CNorm &s) {
    std::array<::SweepSegment, 4> segments{};
    for (std::size_t i = 0; i < s.sweep.size() && i < segments.size(); ++i)
        segments[i] = {s.sweep[i].start, s.sweep[i].step, s.sweep[i].lastIndex};
    return segments;
}

// The step of a segment: whole MHz from 1 MHz on, else whole kHz.
std::string stepText(std::uint16_t step, const NumberFormat &f) {
    const double mhz = step / 60.0;
    if (mhz >= 1) return number(f, mhz, 3, 0) + " MHz";
    return std::to_string(static_cast<int>(mhz * 1000)) + " kHz";
}

}  // namespace

std::string sweepSegmentLine(const CNorm &s, std::size_t r, const NumberFormat &f) {
    const model::SweepSegment &segment = s.sweep[r];
    const double start = segment.start / 60.0;
    const auto segments = linkSweep(s);
    double end = TorvikSweepIdxToFrqKHz(segments.data(), segment.lastIndex) / 1000.0;
    if (end == start) return "";
    if (r + 1 < s.sweep.size()) end = s.sweep[r + 1].start / 60.0;
    return "\t\t\t\t" + number(f, start, 6, 2) + "-" + number(f, end, 6, 2) + " MHz " + text(128) + " " +
           stepText(segment.step, f);
}

std::string worstCaseLine(std::uint16_t testsMask) {
    std::string names;
    for (const WorstCaseName &test : kWorstCaseNames) {
        if (!(testsMask & test.bit)) continue;
        if (!names.empty()) names += ", ";
        names += text(test.textId);
    }
    return bodyLine(text(259) + ": " + names);
}

std::vector<std::string> standardLines(const CNorm &s, int index, const NumberFormat &f) {
    std::vector<std::string> lines;
    lines.push_back("\t" + zeroPadded(index + 1, 2) + "\t" + text(112) + ":\t" + convertTesterText(s.displayName()));
    if (s.isValueMode())
        addValueModeBody(lines, s, f);
    else if (s.isOptical())
        addOpticalBody(lines, s, f);
    else
        addSweepBody(lines, s, f);
    lines.emplace_back();
    return lines;
}

std::vector<std::string> normListingLines(const std::vector<CNorm> &standards, const NumberFormat &format) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < standards.size(); ++i) {
        auto block = standardLines(standards[i], static_cast<int>(i), format);
        lines.insert(lines.end(), std::make_move_iterator(block.begin()), std::make_move_iterator(block.end()));
    }
    return lines;
}

bool opensStandard(const std::string &line) { return line.size() > 2 && !line.starts_with("\t\t"); }

}  // namespace quillet::standards
