#include "section_encoding.h"
#include "oem_text.h"
#include "unit_json_parts.h"

namespace torvik::sim {

namespace {

Json decibels(const std::vector<int16_t> &eighths)
{
    Json values = Json::array();
    for (const int16_t v : eighths)
        values.push_back(v / 8.0);
    return values;
}

std::vector<int16_t> decibelsFromJson(const JsonReader &reader, const char *key)
{
    std::vector<int16_t> values;
    if (!reader.has(key))
        return values;
    const JsonReader list = reader.child(key);
    for (std::size_t i = 0; i < list.size(); ++i)
        values.push_back(list.scaledValue<int16_t>(list.json().at(i), 8.0, std::to_string(i)));
    if (!stepsFitBytes(values))
        list.fail("has a step of more than 16 dB between neighbouring values");
    return values;
}

Json worstCaseToJson(const WorstCase &w)
{
    return {{"pair", w.pair}, {"dB", w.value / 8.0}, {"index", w.index}};
}

WorstCase worstCaseFromJson(const JsonReader &r)
{
    WorstCase w;
    r.integer("pair", w.pair);
    r.scaled("dB", w.value, 8.0);
    r.integer("index", w.index);
    if (w.pair > 15 || w.index > 1023 || w.value < -160 || w.value > 863)
        r.fail("is outside what a worst-case entry carries (pair 0-15, -20 to 107.875 dB, index 0-1023)");
    return w;
}

// Attenuation has entry A only and no side; return loss entry B only.
Json worstToJson(const CopperResults &c)
{
    Json out = Json::object();
    for (std::size_t k = 0; k < kKindCount; ++k) {
        const auto kind = static_cast<Kind>(k);
        if (kind == Kind::Attenuation) {
            out[kindName(k)] = {{"absolute", worstCaseToJson(c.worst[k][0].absolute)}};
            continue;
        }
        Json sides = Json::object();
        for (std::size_t s = 0; s < 2; ++s) {
            Json entries = Json::object();
            if (kind != Kind::ReturnLoss)
                entries["absolute"] = worstCaseToJson(c.worst[k][s].absolute);
            entries["margin"] = worstCaseToJson(c.worst[k][s].margin);
            sides[s == 0 ? "tester" : "remote"] = entries;
        }
        out[kindName(k)] = sides;
    }
    return out;
}

void worstFromJson(const JsonReader &r, CopperResults &c)
{
    for (std::size_t k = 0; k < kKindCount; ++k) {
        if (!r.has(kindName(k)))
            continue;
        const JsonReader kind = r.child(kindName(k));
        if (static_cast<Kind>(k) == Kind::Attenuation) {
            if (kind.has("absolute"))
                c.worst[k][0].absolute = worstCaseFromJson(kind.child("absolute"));
            continue;
        }
        for (std::size_t s = 0; s < 2; ++s) {
            const char *side = s == 0 ? "tester" : "remote";
            if (!kind.has(side))
                continue;
            const JsonReader entries = kind.child(side);
            if (entries.has("absolute") && static_cast<Kind>(k) != Kind::ReturnLoss)
                c.worst[k][s].absolute = worstCaseFromJson(entries.child("absolute"));
            if (entries.has("margin"))
                c.worst[k][s].margin = worstCaseFromJson(entries.child("margin"));
        }
    }
}

Json copperToJson(const CopperResults &c)
{
    std::array<double, 4> loops{};
    for (std::size_t p = 0; p < 4; ++p)
        loops[p] = c.loopResistance[p] / 10.0;
    return {{"mappingFault", c.mappingFault}, {"statusBits", c.statusBits},
            {"loopResistanceOhm", loops},     {"loopFlags", c.loopFlags},
            {"delayNs", c.delay},             {"worst", worstToJson(c)}};
}

CopperResults copperFromJson(const JsonReader &r)
{
    CopperResults c;
    r.flag("mappingFault", c.mappingFault);
    r.integer("statusBits", c.statusBits);
    if (r.has("loopResistanceOhm")) {
        const JsonReader loops = r.child("loopResistanceOhm");
        if (loops.size() != 4)
            loops.fail("needs 4 values");
        for (std::size_t p = 0; p < 4; ++p) {
            c.loopResistance[p] = loops.scaledValue<uint16_t>(loops.json().at(p), 10.0, std::to_string(p));
            // The copper layout has the flag where bit 7 of the tenths goes.
            if ((c.loopResistance[p] & 0x80) != 0 || c.loopResistance[p] > 0x7FFF)
                loops.element(p).fail("cannot be carried by the copper layout (12.8 to 25.5 ohm and such)");
        }
    }
    if (r.has("loopFlags")) {
        const JsonReader flags = r.child("loopFlags");
        if (flags.size() != 4)
            flags.fail("needs 4 values");
        for (std::size_t p = 0; p < 4; ++p)
            c.loopFlags[p] = flags.json().at(p).get<bool>();
    }
    r.integers("delayNs", c.delay);
    if (r.has("worst"))
        worstFromJson(r.child("worst"), c);
    return c;
}

Json voltageToJson(const VoltageStop &v)
{
    Json pairs = Json::array();
    for (const PairVoltage &p : v.pairs)
        pairs.push_back({{"dcVolts", p.dc / 10.0}, {"acVolts", p.ac / 10.0}, {"pins", p.pins}});
    return {{"status", v.status}, {"pairs", pairs}};
}

VoltageStop voltageFromJson(const JsonReader &r)
{
    VoltageStop v;
    r.integer("status", v.status);
    if (r.has("pairs")) {
        const JsonReader pairs = r.child("pairs");
        if (pairs.size() != 4)
            pairs.fail("needs 4 pairs");
        for (std::size_t p = 0; p < 4; ++p) {
            const JsonReader pair = pairs.element(p);
            pair.scaled("dcVolts", v.pairs[p].dc, 10.0);
            pair.scaled("acVolts", v.pairs[p].ac, 10.0);
            pair.integer("pins", v.pairs[p].pins);
        }
    }
    return v;
}

Json wiringToJson(const WiringFault &w)
{
    return {{"farEnd", w.farEnd}, {"fault", w.fault}, {"faultCount", w.faultCount}, {"shield", w.shield}};
}

WiringFault wiringFromJson(const JsonReader &r)
{
    WiringFault w;
    r.integers("farEnd", w.farEnd);
    r.integers("fault", w.fault);
    r.integer("faultCount", w.faultCount);
    r.integer("shield", w.shield);
    return w;
}

Json exemptionsToJson(const Exemptions &e)
{
    return {{"returnLossTester", e.returnLossTester}, {"returnLossRemote", e.returnLossRemote},
            {"nextTester", e.nextTester},             {"nextRemote", e.nextRemote},
            {"psNextTester", e.psNextTester},         {"psNextRemote", e.psNextRemote}};
}

Exemptions exemptionsFromJson(const JsonReader &r)
{
    Exemptions e;
    r.flag("returnLossTester", e.returnLossTester);
    r.flag("returnLossRemote", e.returnLossRemote);
    r.flag("nextTester", e.nextTester);
    r.flag("nextRemote", e.nextRemote);
    r.flag("psNextTester", e.psNextTester);
    r.flag("psNextRemote", e.psNextRemote);
    return e;
}

Json curveToJson(uint8_t kind, uint8_t side, uint8_t pair, uint8_t verdict)
{
    return {{"kind", kindName(kind)}, {"side", side ? "remote" : "tester"}, {"pair", pair}, {"verdict", verdict}};
}

template <typename Curve>
void curveFromJson(const JsonReader &r, Curve &curve)
{
    if (r.has("kind"))
        curve.kind = kindFromJson(r, "kind");
    if (r.has("side"))
        curve.side = sideFromJson(r, "side");
    r.integer("pair", curve.pair);
    r.integer("verdict", curve.verdict);
    if (curve.pair > 15 || curve.verdict > 3)
        r.fail("has a pair above 15 or a verdict above 3");
    curve.values = decibelsFromJson(r, "dB");
}

Json plugToJson(const Plug &plug, const Standard *standard)
{
    Json out = {{"id", oemToUtf8(plug.id)},
                {"text", oemToUtf8(plug.text)},
                {"dateTime", dateTimeText(plug.dateTime)},
                {"result", plug.result}};
    if (plug.exempt != Exemptions{})
        out["exempt"] = exemptionsToJson(plug.exempt);
    if (plug.result == 0)
        out["voltage"] = voltageToJson(plug.voltage);
    else if (plug.result == 1)
        out["wiring"] = wiringToJson(plug.wiring);
    else if (standard && standard->valueMode())
        out["valueMode"] = {{"delayNs", plug.valueMode.delay},
                            {"loopResistanceOhm", plug.valueMode.loopResistance / 10.0},
                            {"impedanceOhm", plug.valueMode.impedance}};
    else if (standard && standard->isOptical())
        out["optical"] = {{{"measured", plug.optical[0].measured}, {"lossDb", plug.optical[0].loss / 100.0}},
                          {{"measured", plug.optical[1].measured}, {"lossDb", plug.optical[1].loss / 100.0}}};
    else
        out["copper"] = copperToJson(plug.copper);
    if (!plug.curves.empty()) {
        Json curves = Json::array();
        for (const PlugCurve &c : plug.curves) {
            Json curve = curveToJson(c.kind, c.side, c.pair, c.verdict);
            curve["dB"] = decibels(c.values);
            curves.push_back(curve);
        }
        out["curves"] = curves;
    }
    return out;
}

Plug plugFromJson(const JsonReader &r)
{
    Plug plug;
    r.text("id", plug.id, 15);
    r.text("text", plug.text, 19);
    plug.dateTime = dateTimeFromText(r, "dateTime", plug.dateTime);
    r.integer("result", plug.result);
    if (plug.result > 7)
        r.child("result").fail("is not a result type 0 to 7");
    if (r.has("exempt"))
        plug.exempt = exemptionsFromJson(r.child("exempt"));
    if (r.has("voltage"))
        plug.voltage = voltageFromJson(r.child("voltage"));
    if (r.has("wiring"))
        plug.wiring = wiringFromJson(r.child("wiring"));
    if (r.has("copper"))
        plug.copper = copperFromJson(r.child("copper"));
    if (r.has("valueMode")) {
        const JsonReader v = r.child("valueMode");
        v.integer("delayNs", plug.valueMode.delay);
        v.scaled("loopResistanceOhm", plug.valueMode.loopResistance, 10.0);
        v.integer("impedanceOhm", plug.valueMode.impedance);
    }
    if (r.has("optical")) {
        const JsonReader entries = r.child("optical");
        if (entries.size() != 2)
            entries.fail("needs 2 entries");
        for (std::size_t i = 0; i < 2; ++i) {
            entries.element(i).flag("measured", plug.optical[i].measured);
            entries.element(i).scaled("lossDb", plug.optical[i].loss, 100.0);
        }
    }
    if (r.has("curves")) {
        const JsonReader curves = r.child("curves");
        for (std::size_t i = 0; i < curves.size(); ++i) {
            PlugCurve curve;
            curveFromJson(curves.element(i), curve);
            plug.curves.push_back(std::move(curve));
        }
    }
    return plug;
}

Json graphToJson(const Graph &g)
{
    Json out = {{"id", oemToUtf8(g.id)}, {"text", oemToUtf8(g.text)}, {"dateTime", dateTimeText(g.dateTime)}};
    out.update(curveToJson(g.kind, g.side, g.pair, g.verdict));
    out["pairText"] = oemToUtf8(g.pairText);
    out["dB"] = decibels(g.values);
    return out;
}

Graph graphFromJson(const JsonReader &r)
{
    Graph g;
    r.text("id", g.id, 15);
    r.text("text", g.text, 19);
    g.dateTime = dateTimeFromText(r, "dateTime", g.dateTime);
    curveFromJson(r, g);
    r.text("pairText", g.pairText, 8);
    return g;
}

}  // namespace

Json siteToJson(const Site &site, const Standard *standard)
{
    Json plugs = Json::array();
    for (const Plug &plug : site.plugs)
        plugs.push_back(plugToJson(plug, standard));
    Json graphs = Json::array();
    for (const Graph &graph : site.graphs)
        graphs.push_back(graphToJson(graph));
    return {{"name", oemToUtf8(site.name)},
            {"dateTime", dateTimeText(site.dateTime)},
            {"standard", site.standard},
            {"convention", site.convention},
            {"cable", site.cable},
            {"wiringText", oemToUtf8(site.wiringText)},
            {"nvp", site.nvp},
            {"patternText", oemToUtf8(site.patternText)},
            {"configWord1", site.configWord1},
            {"configWord2", site.configWord2},
            {"configWord3", site.configWord3},
            {"configByte1", site.configByte1},
            {"configByte2", site.configByte2},
            {"configByte3", site.configByte3},
            {"configDword", site.configDword},
            {"plugName", site.plugName},
            {"plugs", plugs},
            {"graphs", graphs}};
}

Site siteFromJson(const JsonReader &r)
{
    Site site;
    r.text("name", site.name, 15);
    site.dateTime = dateTimeFromText(r, "dateTime", site.dateTime);
    r.integer("standard", site.standard);
    r.integer("convention", site.convention);
    r.integer("cable", site.cable);
    r.text("wiringText", site.wiringText, 18);
    r.integer("nvp", site.nvp);
    r.text("patternText", site.patternText, 16);
    r.integer("configWord1", site.configWord1);
    r.integer("configWord2", site.configWord2);
    r.integer("configWord3", site.configWord3);
    r.integer("configByte1", site.configByte1);
    r.integer("configByte2", site.configByte2);
    r.integer("configByte3", site.configByte3);
    r.integer("configDword", site.configDword);
    r.integer("plugName", site.plugName);
    if (r.has("plugs")) {
        const JsonReader plugs = r.child("plugs");
        for (std::size_t i = 0; i < plugs.size(); ++i)
            site.plugs.push_back(plugFromJson(plugs.element(i)));
    }
    if (r.has("graphs")) {
        const JsonReader graphs = r.child("graphs");
        for (std::size_t i = 0; i < graphs.size(); ++i)
            site.graphs.push_back(graphFromJson(graphs.element(i)));
    }
    return site;
}

}  // namespace torvik::sim
