#include "detail_lines.h"

#include <algorithm>
#include <optional>

#include "pair_names.h"
#include "quillet_strings.h"
#include "tester_text.h"

namespace quillet::autotest {
namespace {

using model::Column;
using model::CPrise;
using model::Side;
using model::WorstEntry;

constexpr const char *kAbsent = "####";
constexpr const char *kAbsentFrequency = "#####";
constexpr std::size_t kWorstCaseWidth = 9;
constexpr std::uint32_t kAnyPairValue = column::kLength | column::kDelay | column::kLoop;
constexpr std::uint16_t kTestsDelayAndSkew = 0x0008;  // the standard's test bit

// A detail line under construction: the empty lead and number fields, then
// the fields added, each with its colour.
class DetailLine {
public:
    DetailLine() { line_.colours = {FieldColour::Normal, FieldColour::Normal}; }
    DetailLine &add(const std::string &text, FieldColour colour = FieldColour::Normal) {
        line_.text += "\t" + text;
        line_.colours.push_back(colour);
        return *this;
    }
    DetailLine &addEmpty(int count) {
        for (int i = 0; i < count; ++i) add("");
        return *this;
    }
    ListLine take() { return line_.colours.size() == 2 ? add("").line_ : line_; }

private:
    ListLine line_{"\t", {}};
};

std::string padded(std::string text) {
    if (text.size() < kWorstCaseWidth) text.append(kWorstCaseWidth - text.size(), ' ');
    return text;
}

std::string marked(std::string text, bool near) { return near ? text + "*" : text; }

FieldColour outcomeColour(bool pass) { return pass ? FieldColour::Pass : FieldColour::Fail; }

// One of length, delay and loop resistance: its detailed column and unit.
struct PairValueColumn {
    std::uint32_t bit;
    Column column;
    const char *unit;
};

constexpr PairValueColumn kPairValueColumns[] = {
    {column::kLength, Column::Length, " m"},
    {column::kDelay, Column::Delay, " ns"},
    {column::kLoop, Column::LoopResistance, " Ohm"},
};

std::uint16_t maximumOf(const model::CNorm &norm, Column column) {
    switch (column) {
    case Column::Length: return norm.maxLength;
    case Column::Delay: return norm.maxDelay;
    default: return norm.maxLoopResistance;
    }
}

class DetailBuilder {
public:
    DetailBuilder(const ListContext &context, const CPrise &plug, std::uint32_t mask)
        : c_(context), plug_(plug), mask_(mask), norm_(context.site.standard) {}

    std::vector<ListLine> build() {
        empty();
        if (norm_.isOptical()) {
            if (mask_ & column::kAttenuation) opticalSection();
        } else {
            if (mask_ & (column::kMapping | kAnyPairValue)) wiringSection();
            if (!norm_.isValueMode() && anyFrequencyItem()) frequencySections();
        }
        empty();
        return std::move(lines_);
    }

private:
    void empty() { lines_.push_back(DetailLine().take()); }

    std::string value(double v, const char *unit) const { return c_.format.fixed(v, 4, 1) + unit; }

    // Wiring: the heading, the column titles, one line per pair, the skew.
    void wiringSection() {
        lines_.push_back(headingLine());
        lines_.push_back(titlesLine());
        const bool valueMode = norm_.isValueMode();
        if (valueMode) {
            lines_.push_back(pairLine(std::nullopt));
        } else {
            for (int pair : c_.verdicts.pairsToTest()) lines_.push_back(pairLine(pair));
        }
        if (!valueMode && (mask_ & column::kDelay) && (norm_.testsMask & kTestsDelayAndSkew)) lines_.push_back(skewLine());
    }

    // The wiring heading's fields follow the lead and number fields.
    ListLine headingLine() const {
        DetailLine line;
        const std::string text = wiringHeading(mask_);
        for (std::size_t start = 0;;) {
            const std::size_t tab = text.find('\t', start);
            line.add(text.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        return line.take();
    }

    ListLine titlesLine() const {
        DetailLine line;
        line.add("");
        if (mask_ & column::kMapping) {
            for (int wire = 0; wire < 2; ++wire) line.add(resourceString(257)).add(resourceString(258));
        }
        if (mask_ & kAnyPairValue) line.add(resourceString(236));
        for (const auto &entry : kPairValueColumns) {
            if (mask_ & entry.bit) line.add(resourceString(237)).add(resourceString(271));
        }
        return line.take();
    }

    // The wires of a pair as the tester and the remote name them; the
    // remote ends are unknown when the autotest did not complete.
    void addWiring(DetailLine &line, std::optional<int> pair) const {
        const model::CConvCab &convention = c_.site.convention;
        if (!pair) {
            line.addEmpty(4);
            return;
        }
        for (int pin : convention.pinsOfPair(*pair)) {
            const int remote = convention.remotePin(pin);
            line.add(pin ? convertTesterText(convention.wireName(Side::Tester, pin - 1)) : kAbsent);
            if (!plug_.isComplete() || remote == 0)
                line.add(kAbsent);
            else
                line.add(convertTesterText(convention.wireName(Side::Remote, remote - 1)));
        }
    }

    ListLine pairLine(std::optional<int> pair) const {
        DetailLine line;
        line.add("");
        if (mask_ & column::kMapping) addWiring(line, pair);
        if (mask_ & kAnyPairValue)
            line.add(pair ? convertTesterText(c_.site.convention.pairName(Side::Tester, *pair)) : "");
        for (const auto &entry : kPairValueColumns) {
            if (!(mask_ & entry.bit)) continue;
            const auto reading = c_.verdicts.pairReading(entry.column, plug_, pair.value_or(0));
            if (reading)
                line.add(marked(value(reading->value, entry.unit), reading->near), outcomeColour(reading->pass));
            else
                line.add(kAbsent);
            addLimit(line, maximumOf(norm_, entry.column), entry.unit);
        }
        return line.take();
    }

    void addLimit(DetailLine &line, std::uint16_t limit, const char *unit) const {
        if (limit == 0)
            line.add(kAbsent);
        else
            line.add(value(limit, unit), FieldColour::Limit);
    }

    // The skew sits under the delay columns, named in the pair column.
    ListLine skewLine() const {
        DetailLine line;
        line.add("");
        if (mask_ & column::kMapping) line.addEmpty(4);
        line.add(resourceString(210));
        if (mask_ & column::kLength) line.addEmpty(2);
        const model::Verdict verdict = c_.verdicts.skew(plug_);
        std::optional<float> smallest, largest;
        for (int pair : c_.verdicts.pairsToTest()) {
            const auto reading = c_.verdicts.pairReading(Column::Delay, plug_, pair);
            if (!reading) break;
            smallest = std::min(smallest.value_or(reading->value), reading->value);
            largest = std::max(largest.value_or(reading->value), reading->value);
        }
        if (smallest)
            line.add(marked(value(*largest - *smallest, " ns"), verdict.near), outcomeColour(verdict.pass));
        else
            line.add(kAbsent);
        addLimit(line, norm_.maxSkew, " ns");
        return line.take();
    }

    bool chosen(int kind, Side side) const {
        if (kind == model::kind::kAttenuation) return side == Side::Tester && (mask_ & column::kAttenuation);
        return (mask_ & (bitOfKind(kind) << (side == Side::Remote ? 1 : 0))) != 0;
    }

    static std::uint32_t bitOfKind(int kind) {
        using namespace model::kind;
        switch (kind) {
        case kNext: return 1u << 6;
        case kPsNext: return 1u << 8;
        case kElfext: return 1u << 10;
        case kPsElfext: return 1u << 12;
        case kAcr: return 1u << 14;
        case kPsAcr: return 1u << 16;
        case kReturnLoss: return 1u << 18;
        default: return column::kAttenuation;
        }
    }

    static constexpr int kSectionOrder[] = {model::kind::kNext,  model::kind::kPsNext,     model::kind::kElfext,
                                            model::kind::kPsElfext, model::kind::kAcr,     model::kind::kPsAcr,
                                            model::kind::kReturnLoss, model::kind::kAttenuation};

    bool anyFrequencyItem() const {
        return std::any_of(std::begin(kSectionOrder), std::end(kSectionOrder),
                           [&](int kind) { return chosen(kind, Side::Tester) || chosen(kind, Side::Remote); });
    }

    // The tester's and the remote's worst-case columns: margin, absolute.
    void frequencySections() {
        DetailLine sides;
        sides.add("").add("").add("").add(resourceString(262)).add("");
        // The record does not keep the remote unit's serial number.
        sides.add(std::string(resourceString(263)) + " (" + resourceString(169) + ": " + kAbsent + ")");
        lines_.push_back(sides.take());
        DetailLine titles;
        titles.add("").add(std::string(resourceString(259)) + ":").add("");
        for (int side = 0; side < 2; ++side) titles.add(padded(resourceString(260))).add(padded(resourceString(261)));
        lines_.push_back(titles.take());
        for (int kind : kSectionOrder) {
            if (!chosen(kind, Side::Tester) && !chosen(kind, Side::Remote)) continue;
            frequencySection(kind);
            empty();
        }
    }

    enum class Row { Pairs, Measured, Limit, Frequency };

    void frequencySection(int kind) {
        DetailLine title;
        title.add("").add(std::string(model::kindName(kind, model::NameForm::Long)));
        lines_.push_back(title.take());
        const std::pair<Row, int> rows[] = {
            {Row::Pairs, 270}, {Row::Measured, 237}, {Row::Limit, 271}, {Row::Frequency, 232}};
        for (const auto &[row, label] : rows) {
            DetailLine line;
            line.add("").add(std::string(resourceString(label)) + ":").add("");
            for (Side side : {Side::Tester, Side::Remote}) {
                for (WorstEntry entry : {WorstEntry::B, WorstEntry::A}) {
                    if (chosen(kind, side))
                        addWorstCaseField(line, row, kind, side, entry);
                    else
                        line.add("");
                }
            }
            lines_.push_back(line.take());
        }
    }

    void addWorstCaseField(DetailLine &line, Row row, int kind, Side side, WorstEntry entry) const {
        const auto worst = c_.verdicts.worstCase(kind, side, entry, plug_);
        const bool limited = worst && worst->hasLimit;
        if (!worst || (row == Row::Limit && !limited)) {
            line.add(padded(row == Row::Frequency ? kAbsentFrequency : kAbsent));
            return;
        }
        switch (row) {
        case Row::Pairs:
            line.add(padded(convertTesterText(model::pairNameOfCode(c_.site.convention, kind, side, worst->pairCode))));
            break;
        case Row::Measured: {
            const FieldColour colour =
                !limited || worst->exempt ? FieldColour::Normal : outcomeColour(worst->pass);
            line.add(padded(marked(c_.format.fixed(worst->valueDb, 5, 1) + " dB", limited && worst->near)), colour);
            break;
        }
        case Row::Limit: line.add(padded(c_.format.fixed(worst->limitDb, 5, 1) + " dB"), FieldColour::Limit); break;
        case Row::Frequency: line.add(padded(c_.format.fixed(worst->frequencyMHz, 6, 2) + " MHz")); break;
        }
    }

    // An optical plug: the loss of each entry of the optical table, with
    // its label and its limit, coloured by the entry's own outcome.
    void opticalSection() {
        DetailLine title;
        title.add("").add(std::string(model::kindName(model::kind::kAttenuation, model::NameForm::Long)));
        lines_.push_back(title.take());
        const model::Verdict verdict = c_.verdicts.attenuation(plug_);
        const auto &table = norm_.optical[static_cast<std::size_t>(c_.site.cable.opticalTable())];
        std::size_t shown = 0;
        for (const auto &limit : table) {
            if (limit.label == 0) continue;
            DetailLine line;
            line.add("").add(std::to_string(limit.label) + " nm").add("");
            const model::Verdict &entry = verdict.entries.at(shown++);
            line.add(padded(entry.text + " dB"), entry.measured ? outcomeColour(entry.pass) : FieldColour::Normal);
            line.add(padded(c_.format.fixed(limit.limit / 100.0, 5, 2) + " dB"), FieldColour::Limit);
            lines_.push_back(line.take());
        }
    }

    const ListContext &c_;
    const CPrise &plug_;
    std::uint32_t mask_;
    const model::CNorm &norm_;
    std::vector<ListLine> lines_;
};

}  // namespace

std::string wiringHeading(std::uint32_t mask) {
    std::string heading;
    if (mask & column::kMapping) heading += "\t" + std::string(resourceString(163)) + "\t\t\t";
    if (mask & kAnyPairValue) heading += "\t";
    if (mask & column::kLength) heading += "\t" + std::string(resourceString(206)) + "\t";
    if (mask & column::kDelay) heading += "\t" + std::string(resourceString(272)) + "\t";
    if (mask & column::kLoop) heading += "\t" + std::string(resourceString(273)) + "\t";
    return heading;
}

bool isDetailLine(const std::string &line) { return line.size() >= 2 && line[0] == '\t' && line[1] == '\t'; }

std::vector<ListLine> detailLines(const ListContext &context, const CPrise &plug, std::uint32_t detailedMask) {
    return DetailBuilder(context, plug, detailedMask).build();
}

}  // namespace quillet::autotest
