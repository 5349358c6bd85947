#include "document_json.h"

#include <cstdio>
#include <functional>
#include <span>

#include "measure_kind.h"
#include "revision.h"
#include "tester_session.h"

namespace quillet::cli {
namespace {

using nlohmann::ordered_json;

std::string text(const std::string &ansi) { return toTerminal(ansi); }

std::string hex(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (std::uint8_t b : bytes) {
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

ordered_json floats(const model::CFloatArray &array) {
    ordered_json out = ordered_json::array();
    for (float v : array.values()) out.push_back(v);
    return out;
}

ordered_json curveJson(const model::CGrphMes &c) {
    return {{"title", text(c.title)},
            {"text2", text(c.text2)},
            {"kind", c.kind},
            {"kindName", std::string(model::kindName(c.kind, model::NameForm::Short))},
            {"timeStamp", c.timeStamp},
            {"verdictCode", c.verdictCode},
            {"pairCode", c.pairCode},
            {"side", c.side},
            {"limit", c.limitFlag},
            {"valuesDb", floats(c.values)},
            {"frequenciesMHz", floats(c.frequencies)}};
}

ordered_json limitCurvesJson(const model::CNorm &n) {
    ordered_json out = ordered_json::array();
    for (int kind = 0; kind < model::kind::kCount; ++kind) {
        ordered_json records = ordered_json::array();
        for (const model::LimitRecord &r : *n.limitCurve(kind)) {
            records.push_back({r.word0, r.word1, r.word2, r.byte6});
        }
        out.push_back({{"kind", std::string(model::kindName(kind, model::NameForm::Short))},
                       {"records", records}});
    }
    return out;
}

ordered_json normJson(const model::CNorm &n) {
    ordered_json sweep = ordered_json::array();
    for (const model::SweepSegment &s : n.sweep) {
        sweep.push_back({{"start", s.start}, {"step", s.step}, {"lastIndex", s.lastIndex}});
    }
    ordered_json optical = ordered_json::array();
    for (const auto &table : n.optical) {
        ordered_json entries = ordered_json::array();
        for (const model::OpticalLimit &e : table) entries.push_back({{"label", e.label}, {"limit", e.limit}});
        optical.push_back(entries);
    }
    return {{"name", text(n.name)},
            {"displayName", text(n.displayName())},
            {"pairCount", n.pairCount},
            {"pairMask", n.pairMask},
            {"zcTolerance", n.zcTolerance},
            {"maxLoopResistance", n.maxLoopResistance},
            {"maxLength", n.maxLength},
            {"maxSkew", n.maxSkew},
            {"maxDelay", n.maxDelay},
            {"testsMask", n.testsMask},
            {"flags", n.flags},
            {"maxFrequencyKHz", n.maxFrequency},
            {"wireNumbers", hex(n.wireNumbers)},
            {"limitCurves", limitCurvesJson(n)},
            {"sweep", sweep},
            {"optical", optical}};
}

ordered_json fileJson(const model::NormFile &f) {
    ordered_json standards = ordered_json::array();
    for (const model::CNorm &n : f.standards) standards.push_back(normJson(n));
    return {{"comment", text(f.comment)}, {"standards", standards}};
}

// A graph file's fields but its curves, which follow them under "curves".
ordered_json graphFieldsJson(const model::GraphFile &f) {
    ordered_json lines = ordered_json::array();
    for (const std::string &line : f.commentLines) lines.push_back(text(line));
    return {{"comment", text(f.comment)},
            {"siteList", text(f.siteList)},
            {"tester",
             {{"maker", text(f.testerMaker)},
              {"model", text(f.testerModel)},
              {"serialNumber", text(f.testerSerial)},
              {"revision", text(f.testerRevision)}}},
            {"user", {{"name", text(f.user)}, {"company", text(f.company)}}},
            {"representationTitle", text(f.representationTitle)},
            {"commentLines", lines}};
}

// `fields`, then `key` holding the JSON of each item.
template <class Items, class ToJson>
ordered_json withArray(ordered_json fields, const char *key, const Items &items, ToJson toJson) {
    ordered_json array = ordered_json::array();
    for (const auto &item : items) array.push_back(toJson(item));
    fields[key] = std::move(array);
    return fields;
}

ordered_json fileJson(const model::GraphFile &f) { return withArray(graphFieldsJson(f), "curves", f.curves, curveJson); }

ordered_json cableJson(const model::CCable &c) {
    return {{"name", text(c.name)},
            {"fibreFlag1", c.fibreFlag1},
            {"fibreFlag2", c.fibreFlag2},
            {"flag3", c.flag3},
            {"standardWithoutCable", c.standardWithoutCable},
            {"extraRow", c.extraRow},
            {"nominalImpedance", c.nominalImpedance},
            {"value1", c.value1},
            {"value2", c.value2}};
}

ordered_json conventionJson(const model::CConvCab &c) {
    return {{"name", text(c.name)},
            {"reversedPairs", c.reversedPairs},
            {"flag2", c.flag2},
            {"flag3", c.flag3},
            {"pinMap", hex(c.pinMap)},
            {"pairMap", hex(c.pairMap)},
            {"wireNames", hex(c.wireNames)}};
}

ordered_json plugJson(const model::CPrise &p) {
    ordered_json slots = ordered_json::array();
    for (const auto &slot : p.curves) {
        ordered_json curves = ordered_json::array();
        for (const model::CGrphMes &c : slot) curves.push_back(curveJson(c));
        slots.push_back(curves);
    }
    return {{"plugId", text(p.plugId)},
            {"text2", text(p.text2)},
            {"testTime", p.testTime},
            {"resultType", p.resultType},
            {"exempt",
             {{"rlTester", p.rlTesterExempt},
              {"rlRemote", p.rlRemoteExempt},
              {"nextTester", p.nextTesterExempt},
              {"nextRemote", p.nextRemoteExempt},
              {"psNextTester", p.psNextTesterExempt},
              {"psNextRemote", p.psNextRemoteExempt}}},
            {"block", hex(p.block)},
            {"curveSlots", slots}};
}

// A site's fields but its plugs, which follow them under "plugs".
ordered_json siteFieldsJson(const model::CSite &s) {
    return {{"name", text(s.name)},
            {"nvp", s.nvp},
            {"configWord1", s.configWord1},
            {"configByte1", s.configByte1},
            {"testTime", s.testTime},
            {"patternText", text(s.patternText)},
            {"configWord2", s.configWord2},
            {"configWord3", s.configWord3},
            {"configByte2", s.configByte2},
            {"configByte3", s.configByte3},
            {"standard", normJson(s.standard)},
            {"wiringConvention", conventionJson(s.convention)},
            {"cable", cableJson(s.cable)},
            {"wiringText", text(s.wiringText)},
            {"plugNameText", text(s.plugNameText)},
            {"tester",
             {{"maker", text(s.testerMaker)},
              {"model", text(s.testerModel)},
              {"serialNumber", text(s.testerSerial)},
              {"revision", text(s.testerRevision)}}},
            {"user", {{"name", text(s.user)}, {"company", text(s.company)}}},
            {"uncertainties", s.uncertainties},
            {"comment", text(s.comment)}};
}

ordered_json siteJson(const model::CSite &s) { return withArray(siteFieldsJson(s), "plugs", s.plugs, plugJson); }

ordered_json fileJson(const AutotestDocument &f) {
    ordered_json sites = ordered_json::array();
    for (const model::CSite &s : f.sites) sites.push_back(siteJson(s));
    return {{"comment", text(f.comment)}, {"sites", sites}};
}

// Writing the JSON while walking the document: only one plug, curve or
// standard is ever held as JSON, and the text is the same as a dump of the
// whole document with an indent of 2.
class JsonStream {
public:
    explicit JsonStream(std::FILE *out) : out_(out) {}

    // `value` as dump(2) writes it, nested `depth` levels deep.
    void value(const ordered_json &value, int depth) {
        const std::string text = value.dump(2);
        const std::string pad = indent(depth);
        std::string nested;
        nested.reserve(text.size());
        for (char c : text) {
            nested += c;
            if (c == '\n') nested += pad;
        }
        std::fputs(nested.c_str(), out_);
    }

    // An object of `fields`, then a last member `key` holding `count`
    // elements that `element(i, depth)` writes one by one.
    void objectThenArray(const ordered_json &fields, const char *key, std::size_t count,
                         const std::function<void(std::size_t, int)> &element, int depth) {
        std::fputs("{\n", out_);
        for (const auto &[name, field] : fields.items()) {
            member(name, depth + 1);
            value(field, depth + 1);
            std::fputs(",\n", out_);
        }
        member(key, depth + 1);
        if (count == 0) {
            std::fputs("[]", out_);
        } else {
            std::fputs("[\n", out_);
            for (std::size_t i = 0; i < count; ++i) {
                std::fputs(indent(depth + 2).c_str(), out_);
                element(i, depth + 2);
                std::fputs(i + 1 < count ? ",\n" : "\n", out_);
            }
            std::fprintf(out_, "%s]", indent(depth + 1).c_str());
        }
        std::fprintf(out_, "\n%s}", indent(depth).c_str());
    }

private:
    static std::string indent(int depth) { return std::string(static_cast<std::size_t>(depth) * 2, ' '); }
    void member(const std::string &name, int depth) {
        std::fprintf(out_, "%s%s: ", indent(depth).c_str(), ordered_json(name).dump().c_str());
    }

    std::FILE *out_;
};

ordered_json headerFields(const LoadedDocument &document) {
    const std::string &header = headerOf(document);
    return {{"kind", std::string(model::kindText(document.kind))},
            {"header", text(header)},
            {"revision", model::revisionOfHeader(header)}};
}

void streamFile(JsonStream &out, ordered_json fields, const AutotestDocument &f) {
    fields["comment"] = text(f.comment);  // as fileJson has it, the sites after
    out.objectThenArray(fields, "sites", f.sites.size(), [&](std::size_t i, int depth) {
        const model::CSite &site = f.sites[i];
        out.objectThenArray(siteFieldsJson(site), "plugs", site.plugs.size(),
                            [&](std::size_t p, int d) { out.value(plugJson(site.plugs[p]), d); }, depth);
    }, 0);
}

void streamFile(JsonStream &out, ordered_json fields, const model::GraphFile &f) {
    fields.update(graphFieldsJson(f));
    out.objectThenArray(fields, "curves", f.curves.size(),
                        [&](std::size_t i, int depth) { out.value(curveJson(f.curves[i]), depth); }, 0);
}

void streamFile(JsonStream &out, ordered_json fields, const model::NormFile &f) {
    fields["comment"] = text(f.comment);
    out.objectThenArray(fields, "standards", f.standards.size(),
                        [&](std::size_t i, int depth) { out.value(normJson(f.standards[i]), depth); }, 0);
}

}  // namespace

ordered_json documentJson(const LoadedDocument &document) {
    ordered_json out = headerFields(document);
    std::visit([&out](const auto &file) { out.update(fileJson(file)); }, document.file);
    return out;
}

void writeDocumentJson(std::FILE *out, const LoadedDocument &document) {
    JsonStream stream(out);
    std::visit([&](const auto &file) { streamFile(stream, headerFields(document), file); }, document.file);
    std::fputs("\n", out);
}

}  // namespace quillet::cli
