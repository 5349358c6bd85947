#include "list_lines.h"

#include <cstdio>

#include "quillet_strings.h"
#include "tester_text.h"

namespace quillet::autotest {
namespace {

using model::CPrise;
using model::Column;
using model::Verdict;

struct ColumnEntry {
    std::uint32_t bit;
    Column column;
    int heading;           // resource string of the synthetic heading
    std::uint16_t tested;  // the standard's test bit that enables it
};

constexpr std::uint16_t kLengthDelay = 0x0008;

constexpr ColumnEntry kColumns[] = {
    {column::kMapping, Column::Mapping, 179, 0x0003},
    {column::kLength, Column::Length, 181, kLengthDelay},
    {column::kDelay, Column::Delay, 250, kLengthDelay},
    {column::kSkew, Column::Skew, 210, kLengthDelay},
    {column::kLoop, Column::LoopResistance, 182, 0x0004},
    {column::kZc, Column::Zc, 0, 0x0020},
    {1u << 6, Column::Next, 251, 0x1000},
    {1u << 8, Column::PsNext, 252, 0x0800},
    {1u << 10, Column::Elfext, 253, 0x0400},
    {1u << 12, Column::PsElfext, 254, 0x0200},
    {1u << 14, Column::Acr, 124, 0x0100},
    {1u << 16, Column::PsAcr, 255, 0x0080},
    {1u << 18, Column::ReturnLoss, 256, 0x0040},
    {column::kAttenuation, Column::Attenuation, 183, 0x2000},
};

bool isPairColumn(const ColumnEntry &entry) { return entry.bit >= (1u << 6) && entry.bit <= (1u << 18); }

void addField(ListLine &line, const std::string &text, FieldColour colour) {
    line.text += "\t" + text;
    line.colours.push_back(colour);
}

FieldColour colourOf(const Verdict &v) {
    if (!v.pass) return FieldColour::Fail;
    return v.measured ? FieldColour::Pass : FieldColour::Normal;
}

// A verdict text may hold several fields (optical attenuation: per entry
// its value, its limit in parentheses and an empty field): each value takes
// the colour of its own entry, each limit the limit colour.
void addVerdict(ListLine &line, const Verdict &v) {
    if (v.entries.empty()) {
        addField(line, v.text, colourOf(v));
        return;
    }
    std::size_t field = 0, start = 0;
    for (;;) {
        const std::size_t tab = v.text.find('\t', start);
        const std::string text = v.text.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
        const std::size_t entry = field / 3;
        FieldColour colour = FieldColour::Normal;
        if (entry < v.entries.size() && field % 3 == 0) colour = colourOf(v.entries[entry]);
        if (entry < v.entries.size() && field % 3 == 1) colour = FieldColour::Limit;
        addField(line, text, colour);
        ++field;
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
}

// "(90 m)" after a value-mode length or loop resistance; "####" without a limit.
std::string limitField(std::uint16_t limit, const char *unit) {
    return limit == 0 ? "####" : "(" + std::to_string(limit) + unit + ")";
}

// Optical attenuation takes three fields per entry of the fibre table (its
// value, its limit, an empty field): the heading names each entry's
// columns by "Att." and the entry's limit.
void addOpticalHeadings(ListLine &line, const std::vector<std::string> &limits) {
    if (limits.empty()) addField(line, resourceString(183), FieldColour::Normal);
    for (const std::string &limit : limits) {
        addField(line, resourceString(183), FieldColour::Normal);
        addField(line, limit, FieldColour::Limit);
        addField(line, "", FieldColour::Normal);
    }
}

std::string nvpText(const ListContext &c) { return c.format.fixed(c.site.nvp / 10.0, 8, 2, true); }

void addIfNotEmpty(std::vector<std::string> &lines, const std::string &prefix, const std::string &text) {
    if (!text.empty()) lines.push_back(prefix + text);
}

}  // namespace

std::uint32_t defaultSyntheticMask(const model::CNorm &standard) {
    std::uint32_t mask = 0;
    for (const auto &entry : kColumns) {
        if (!(standard.testsMask & entry.tested)) continue;
        if (entry.column == Column::Skew && standard.isValueMode()) continue;
        mask |= entry.bit;
    }
    return mask;
}

std::uint32_t defaultDetailedMask(const model::CNorm &standard) {
    std::uint32_t mask = 0;
    for (const auto &entry : kColumns) {
        if (!(standard.testsMask & entry.tested)) continue;
        if (entry.column == Column::Skew || entry.column == Column::Zc) continue;
        mask |= entry.bit;
        if (isPairColumn(entry)) mask |= entry.bit << 1;  // the remote side's item
    }
    return mask;
}

std::vector<std::string> siteSummaryLines(const ListContext &c, const std::vector<const CPrise *> &listed,
                                          const std::string &title) {
    const model::CSite &site = c.site;
    const bool copper = !site.standard.isOptical();
    auto tester = [](const std::string &text) { return convertTesterText(text); };
    std::vector<std::string> lines;
    lines.push_back("\t" + title);
    lines.push_back("\t" + std::string(resourceString(280)) + " " + tester(site.name));
    lines.emplace_back();
    if (copper && !site.standard.isValueMode())
        lines.push_back("\t" + std::string(resourceString(163)) + ":\t" + tester(site.convention.name));
    addIfNotEmpty(lines, "\t\t", tester(site.wiringText));
    addIfNotEmpty(lines, "\t\t", tester(site.cable.name));
    if (copper)
        lines.push_back("\t\tZc= " + std::to_string(site.cable.nominalImpedance) + " Ohm - " + resourceString(293) +
                        "= " + nvpText(c) + "%");
    if (!site.plugNameText.empty())
        lines.push_back("\t\t" + std::string(resourceString(294)) + ": " + tester(site.plugNameText));
    lines.emplace_back();
    lines.push_back("\t" + std::string(resourceString(165)) + ":\t" + tester(site.standard.displayName()));
    lines.emplace_back();
    lines.push_back("\t" + std::string(resourceString(241)) + ":\t" + tester(site.testerModel) + ", " +
                    resourceString(169) + ": " + tester(site.testerSerial) + ", " + resourceString(170) + ": " +
                    tester(site.testerRevision));
    std::string who = "\t\t";
    if (!site.user.empty()) who += std::string(resourceString(171)) + ": " + tester(site.user);
    if (!site.company.empty()) who += ", " + std::string(resourceString(172)) + ": " + tester(site.company);
    lines.push_back(who);
    lines.emplace_back();
    const model::Tally tally = c.verdicts.tally(listed);
    lines.push_back("\t" + std::string(resourceString(173)) + ":\t" + std::to_string(tally.tested));
    lines.push_back("\t  " + std::string(resourceString(234)) + "\t" + std::to_string(tally.passed) + " (" +
                    formatResource(244, std::to_string(tally.passedNear)) + ")");
    lines.push_back("\t  " + std::string(resourceString(175)) + "\t" + std::to_string(tally.failed) + " (" +
                    formatResource(244, std::to_string(tally.failedNear)) + ")");
    if (!site.comment.empty()) {
        lines.emplace_back();
        lines.push_back("\t" + std::string(resourceString(159)) + ":");
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = site.comment.find("\r\n", start);
            lines.push_back("\t" + site.comment.substr(start, end == std::string::npos ? std::string::npos : end - start));
            if (end == std::string::npos) break;
            start = end + 2;
        }
    }
    return lines;
}

ListLine headingLine(const ListContext &c, std::uint32_t mask) {
    ListLine line;
    line.colours.push_back(FieldColour::Normal);  // the empty lead field
    addField(line, "", FieldColour::Normal);      // above the plug numbers
    addField(line, resourceString(177), FieldColour::Normal);
    addField(line, resourceString(302), FieldColour::Normal);
    const model::CNorm &norm = c.site.standard;
    for (const auto &entry : kColumns) {
        if (!(mask & entry.bit)) continue;
        if (norm.isOptical() && entry.column == Column::Attenuation) {
            addOpticalHeadings(line, c.verdicts.opticalLimitTexts());
            continue;
        }
        addField(line, entry.column == Column::Zc ? std::string("Zc") : resourceString(entry.heading),
                 FieldColour::Normal);
        if (norm.isValueMode() && entry.column == Column::Length)
            addField(line, limitField(norm.maxLength, " m"), FieldColour::Limit);
        if (norm.isValueMode() && entry.column == Column::LoopResistance)
            addField(line, limitField(norm.maxLoopResistance, " Ohm"), FieldColour::Limit);
    }
    addField(line, resourceString(185), FieldColour::Normal);
    addField(line, "", FieldColour::Normal);
    return line;
}

ListLine plugLine(const ListContext &c, const CPrise &plug, int number, std::uint32_t mask) {
    ListLine line;
    line.colours.push_back(FieldColour::Normal);
    char numberText[16];
    std::snprintf(numberText, sizeof numberText, "%04d", number);
    addField(line, numberText, FieldColour::Normal);
    addField(line, convertTesterText(plug.plugId),
             model::SiteVerdicts::plugPassed(plug) ? FieldColour::Pass : FieldColour::Fail);
    addField(line, plug.hasAnyCurve() ? "~" : " ", FieldColour::Normal);
    const model::CNorm &norm = c.site.standard;
    for (const auto &entry : kColumns) {
        if (!(mask & entry.bit)) continue;
        addVerdict(line, c.verdicts.evaluate(entry.column, plug));
        if (norm.isValueMode() && entry.column == Column::Length)
            addField(line, limitField(norm.maxLength, " m"), FieldColour::Limit);
        if (norm.isValueMode() && entry.column == Column::LoopResistance)
            addField(line, limitField(norm.maxLoopResistance, " Ohm"), FieldColour::Limit);
    }
    addField(line, model::testTimeText(plug.testTime, model::TimeForm::DateAndTime, c.regional),
             FieldColour::Normal);
    return line;
}

}  // namespace quillet::autotest
