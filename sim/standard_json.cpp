#include <array>

#include "unit_json_parts.h"

namespace torvik::sim {

namespace {

constexpr std::array<const char *, kKindCount> kKindNames{
    "next", "elfext", "attenuation", "returnLoss", "acr", "psNext", "psElfext", "psAcr"};
constexpr double kUnitsPerMHz = 60.0;

Json limitCurveToJson(const LimitCurve &curve)
{
    Json points = Json::array();
    for (const LimitPoint &p : curve.points) {
        points.push_back({{"MHz", p.frequency / kUnitsPerMHz},
                          {"slope", p.slope},
                          {"dB", p.value / 8.0},
                          {"uncertaintyDb", p.uncertainty / 8.0}});
    }
    return {{"shift", curve.shift}, {"points", points}};
}

LimitCurve limitCurveFromJson(const JsonReader &reader)
{
    LimitCurve curve;
    reader.integer("shift", curve.shift);
    if (!reader.has("points"))
        return curve;
    const JsonReader points = reader.child("points");
    if (points.size() > 44)
        points.fail("holds more than 44 points");
    for (std::size_t i = 0; i < points.size(); ++i) {
        const JsonReader p = points.element(i);
        LimitPoint point;
        p.scaled("MHz", point.frequency, kUnitsPerMHz);
        p.integer("slope", point.slope);
        p.scaled("dB", point.value, 8.0);
        p.scaled("uncertaintyDb", point.uncertainty, 8.0);
        curve.points.push_back(point);
    }
    return curve;
}

Json sweepToJson(const std::vector<SweepSegment> &sweep)
{
    Json segments = Json::array();
    for (const SweepSegment &s : sweep) {
        segments.push_back(
            {{"startMHz", s.start / kUnitsPerMHz}, {"stepMHz", s.step / kUnitsPerMHz}, {"lastIndex", s.lastIndex}});
    }
    return segments;
}

std::vector<SweepSegment> sweepFromJson(const JsonReader &reader)
{
    if (reader.size() > 4)
        reader.fail("holds more than 4 segments");
    std::vector<SweepSegment> sweep;
    for (std::size_t i = 0; i < reader.size(); ++i) {
        const JsonReader s = reader.element(i);
        SweepSegment segment;
        s.scaled("startMHz", segment.start, kUnitsPerMHz);
        s.scaled("stepMHz", segment.step, kUnitsPerMHz);
        s.integer("lastIndex", segment.lastIndex);
        sweep.push_back(segment);
    }
    return sweep;
}

Json opticalToJson(const OpticalTables &tables)
{
    Json out = Json::array();
    for (const auto &table : tables) {
        Json entries = Json::array();
        for (const OpticalLimit &entry : table)
            entries.push_back({{"label", entry.label}, {"limitDb", entry.limit / 100.0}});
        out.push_back(entries);
    }
    return out;
}

OpticalTables opticalFromJson(const JsonReader &reader)
{
    OpticalTables tables{};
    if (reader.size() != 3)
        reader.fail("needs 3 tables");
    for (std::size_t t = 0; t < 3; ++t) {
        const JsonReader table = reader.element(t);
        if (table.size() != 2)
            table.fail("needs 2 entries");
        for (std::size_t e = 0; e < 2; ++e) {
            table.element(e).integer("label", tables[t][e].label);
            table.element(e).scaled("limitDb", tables[t][e].limit, 100.0);
        }
    }
    return tables;
}

}  // namespace

const char *kindName(std::size_t kind)
{
    return kind < kKindNames.size() ? kKindNames[kind] : "unknown";
}

uint8_t kindFromJson(const JsonReader &reader, const char *key)
{
    const Json &value = reader.json().at(key);
    for (std::size_t k = 0; k < kKindNames.size(); ++k) {
        if (value == kKindNames[k])
            return static_cast<uint8_t>(k);
    }
    reader.child(key).fail("is not a measurement kind");
}

uint8_t sideFromJson(const JsonReader &reader, const char *key)
{
    const Json &value = reader.json().at(key);
    if (value == "tester" || value == "remote")
        return value == "remote" ? 1 : 0;
    reader.child(key).fail("is not \"tester\" or \"remote\"");
}

Json standardToJson(const Standard &s)
{
    Json limits = Json::object();
    for (std::size_t k = 0; k < kKindCount; ++k) {
        if (!s.limits[k].points.empty())
            limits[kKindNames[k]] = limitCurveToJson(s.limits[k]);
    }
    Json out = {{"nameMessage", s.nameMessage},   {"pairCount", s.pairCount},
                {"pairMask", s.pairMask},         {"zcToleranceOhm", s.zcTolerance},
                {"maxLoopResistanceOhm", s.maxLoopResistance}, {"maxLengthM", s.maxLength},
                {"maxSkewNs", s.maxSkew},         {"maxDelayNs", s.maxDelay},
                {"testsMask", s.testsMask},       {"options", s.options},
                {"topFrequencyMHz", s.topFrequency / kUnitsPerMHz},
                {"lateBytes", s.lateBytes},       {"wireNumbers", s.wireNumbers},
                {"sweep", sweepToJson(s.sweep)},  {"limits", limits}};
    if (s.isOptical())
        out["optical"] = opticalToJson(s.optical);
    return out;
}

Standard standardFromJson(const JsonReader &r)
{
    Standard s;
    r.integer("nameMessage", s.nameMessage);
    r.integer("pairCount", s.pairCount);
    r.integer("pairMask", s.pairMask);
    r.integer("zcToleranceOhm", s.zcTolerance);
    r.integer("maxLoopResistanceOhm", s.maxLoopResistance);
    r.integer("maxLengthM", s.maxLength);
    r.integer("maxSkewNs", s.maxSkew);
    r.integer("maxDelayNs", s.maxDelay);
    r.integer("testsMask", s.testsMask);
    r.integer("options", s.options);
    r.scaled("topFrequencyMHz", s.topFrequency, kUnitsPerMHz);
    r.integers("lateBytes", s.lateBytes);
    r.integers("wireNumbers", s.wireNumbers);
    if (r.has("sweep"))
        s.sweep = sweepFromJson(r.child("sweep"));
    if (r.has("limits")) {
        const JsonReader limits = r.child("limits");
        for (const auto &[key, value] : limits.json().items()) {
            const uint8_t kind = kindFromJson(JsonReader(Json{{"kind", key}}, limits.path()), "kind");
            s.limits[kind] = limitCurveFromJson(limits.child(key.c_str()));
        }
    }
    if (r.has("optical"))
        s.optical = opticalFromJson(r.child("optical"));
    return s;
}

}  // namespace torvik::sim
