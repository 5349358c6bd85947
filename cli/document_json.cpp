#include "document_json.h"

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

ordered_json fileJson(const model::GraphFile &f) {
    ordered_json lines = ordered_json::array();
    for (const std::string &line : f.commentLines) lines.push_back(text(line));
    ordered_json curves = ordered_json::array();
    for (const model::CGrphMes &c : f.curves) curves.push_back(curveJson(c));
    return {{"comment", text(f.comment)},
            {"siteList", text(f.siteList)},
            {"tester",
             {{"maker", text(f.testerMaker)},
              {"model", text(f.testerModel)},
              {"serialNumber", text(f.testerSerial)},
              {"revision", text(f.testerRevision)}}},
            {"user", {{"name", text(f.user)}, {"company", text(f.company)}}},
            {"representationTitle", text(f.representationTitle)},
            {"commentLines", lines},
            {"curves", curves}};
}

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

ordered_json siteJson(const model::CSite &s) {
    ordered_json plugs = ordered_json::array();
    for (const model::CPrise &p : s.plugs) plugs.push_back(plugJson(p));
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
            {"comment", text(s.comment)},
            {"plugs", plugs}};
}

ordered_json fileJson(const AutotestDocument &f) {
    ordered_json sites = ordered_json::array();
    for (const model::CSite &s : f.sites) sites.push_back(siteJson(s));
    return {{"comment", text(f.comment)}, {"sites", sites}};
}

}  // namespace

ordered_json documentJson(const LoadedDocument &document) {
    const std::string &header = headerOf(document);
    ordered_json out = {{"kind", std::string(model::kindText(document.kind))},
                        {"header", text(header)},
                        {"revision", model::revisionOfHeader(header)}};
    std::visit([&out](const auto &file) { out.update(fileJson(file)); }, document.file);
    return out;
}

}  // namespace quillet::cli
