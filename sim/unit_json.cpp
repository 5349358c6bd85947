#include "unit_json.h"

#include "oem_text.h"
#include "unit_json_parts.h"

namespace torvik::sim {

namespace {

template <std::size_t N>
Json names(const std::array<std::string, N> &texts)
{
    Json out = Json::array();
    for (const std::string &text : texts)
        out.push_back(oemToUtf8(text));
    return out;
}

template <std::size_t N>
void namesFromJson(const JsonReader &r, const char *key, std::array<std::string, N> &out)
{
    if (!r.has(key))
        return;
    const JsonReader list = r.child(key);
    if (list.size() != N)
        list.fail("needs " + std::to_string(N) + " names");
    for (std::size_t i = 0; i < N; ++i)
        out[i] = list.oemText(list.json().at(i), 3, std::to_string(i));
}

Json conventionToJson(const WiringConvention &c)
{
    return {{"nameMessage", c.nameMessage}, {"reversedPairs", c.reversedPairs}, {"flag2", c.flag2},
            {"flag3", c.flag3},             {"pinMap", c.pinMap},               {"pairMap", c.pairMap},
            {"extra", c.extra},             {"testerWires", names(c.testerWires)},
            {"testerPairs", names(c.testerPairs)}, {"remoteWires", names(c.remoteWires)},
            {"remotePairs", names(c.remotePairs)}};
}

WiringConvention conventionFromJson(const JsonReader &r)
{
    WiringConvention c;
    r.integer("nameMessage", c.nameMessage);
    r.flag("reversedPairs", c.reversedPairs);
    r.flag("flag2", c.flag2);
    r.flag("flag3", c.flag3);
    r.integers("pinMap", c.pinMap);
    r.integers("pairMap", c.pairMap);
    r.integers("extra", c.extra);
    namesFromJson(r, "testerWires", c.testerWires);
    namesFromJson(r, "testerPairs", c.testerPairs);
    namesFromJson(r, "remoteWires", c.remoteWires);
    namesFromJson(r, "remotePairs", c.remotePairs);
    return c;
}

Json cableToJson(const Cable &c)
{
    return {{"nameMessage", c.nameMessage}, {"fibre1", c.fibre1},     {"fibre2", c.fibre2},
            {"flag3", c.flag3},             {"withoutCable", c.withoutCable}, {"extraRow", c.extraRow},
            {"impedanceOhm", c.impedance},  {"value1", c.value1},     {"value2", c.value2}};
}

Cable cableFromJson(const JsonReader &r)
{
    Cable c;
    r.integer("nameMessage", c.nameMessage);
    r.flag("fibre1", c.fibre1);
    r.flag("fibre2", c.fibre2);
    r.flag("flag3", c.flag3);
    r.flag("withoutCable", c.withoutCable);
    r.flag("extraRow", c.extraRow);
    r.integer("impedanceOhm", c.impedance);
    r.integer("value1", c.value1);
    r.integer("value2", c.value2);
    return c;
}

// Numbered texts: {"1": "Cat 5e U/UTP 100 Ohm", ...}.
Json numberedTexts(const std::map<int32_t, std::string> &texts)
{
    Json out = Json::object();
    for (const auto &[number, text] : texts)
        out[std::to_string(number)] = oemToUtf8(text);
    return out;
}

std::map<int32_t, std::string> numberedTextsFromJson(const JsonReader &r, std::size_t maxLength)
{
    std::map<int32_t, std::string> texts;
    for (const auto &[key, value] : r.json().items()) {
        std::size_t end = 0;
        int number = -1;
        try {
            number = std::stoi(key, &end);
        } catch (const std::exception &) {
        }
        if (end != key.size() || number < 0 || number > 65535)
            r.fail("has \"" + key + "\", which is not a number 0 to 65535");
        texts[number] = r.oemText(value, maxLength, key);
    }
    return texts;
}

template <typename T, typename Read>
std::vector<T> listFromJson(const JsonReader &r, const char *key, Read read)
{
    std::vector<T> items;
    if (!r.has(key))
        return items;
    const JsonReader list = r.child(key);
    for (std::size_t i = 0; i < list.size(); ++i)
        items.push_back(read(list.element(i)));
    return items;
}

void identityFromJson(const JsonReader &r, Unit &unit)
{
    r.integer("productCode", unit.productCode);
    if (r.has("identity")) {
        const JsonReader id = r.child("identity");
        id.text("maker", unit.identity.maker, 28);
        id.text("model", unit.identity.model, 28);
        id.text("serial", unit.identity.serial, 19);
        id.text("revision", unit.identity.revision, 4);
    }
    r.text("user", unit.userName, 16);
    r.text("company", unit.company, 16);
    if (r.json().contains("minimumVersions")) {
        unit.knowsMinVer = r.has("minimumVersions");
        if (unit.knowsMinVer) {
            r.child("minimumVersions").text("ordinary", unit.minVer, 4);
            r.child("minimumVersions").text("zSeries", unit.minVerZ, 4);
        }
    }
    r.integers("uncertainties", unit.uncerts);
}

}  // namespace

Json unitToJson(const Unit &unit)
{
    Json out = {{"productCode", unit.productCode},
                {"identity",
                 {{"maker", oemToUtf8(unit.identity.maker)},
                  {"model", oemToUtf8(unit.identity.model)},
                  {"serial", oemToUtf8(unit.identity.serial)},
                  {"revision", unit.identity.revision}}},
                {"user", oemToUtf8(unit.userName)},
                {"company", oemToUtf8(unit.company)}};
    out["minimumVersions"] = unit.knowsMinVer ? Json{{"ordinary", unit.minVer}, {"zSeries", unit.minVerZ}} : Json();
    out["uncertainties"] = unit.uncerts;
    out["messages"] = numberedTexts(unit.messages);
    out["plugNames"] = numberedTexts(unit.plugNames);
    out["conventions"] = Json::array();
    for (const WiringConvention &c : unit.conventions)
        out["conventions"].push_back(conventionToJson(c));
    out["cables"] = Json::array();
    for (const Cable &c : unit.cables)
        out["cables"].push_back(cableToJson(c));
    out["standards"] = Json::array();
    for (const Standard &s : unit.standards)
        out["standards"].push_back(standardToJson(s));
    out["sites"] = Json::array();
    for (const auto &site : unit.sites) {
        const Standard *standard =
            site && site->standard < unit.standards.size() ? &unit.standards[site->standard] : nullptr;
        out["sites"].push_back(site ? siteToJson(*site, standard) : Json());
    }
    return out;
}

Unit unitFromJson(const Json &json)
{
    const JsonReader r(json, "unit");
    if (!json.is_object())
        r.fail("is not a JSON object");
    Unit unit;
    identityFromJson(r, unit);
    if (r.has("messages"))
        unit.messages = numberedTextsFromJson(r.child("messages"), 80);
    if (r.has("plugNames"))
        unit.plugNames = numberedTextsFromJson(r.child("plugNames"), 64);
    unit.conventions = listFromJson<WiringConvention>(r, "conventions", conventionFromJson);
    unit.cables = listFromJson<Cable>(r, "cables", cableFromJson);
    unit.standards = listFromJson<Standard>(r, "standards", standardFromJson);
    if (r.has("sites")) {
        const JsonReader sites = r.child("sites");
        for (std::size_t i = 0; i < sites.size(); ++i) {
            if (sites.json().at(i).is_null())
                unit.sites.push_back(std::nullopt);
            else
                unit.sites.push_back(siteFromJson(sites.element(i)));
        }
    }
    return unit;
}

namespace {

bool holdsOnlyScalars(const Json &json)
{
    for (const Json &item : json) {
        if (item.is_structured())
            return false;
    }
    return true;
}

// Indented like dump(1), but a list of plain values stays on one line: the
// curves' values would otherwise take a line each.
void print(const Json &json, std::size_t depth, std::string &out)
{
    if (!json.is_structured() || json.empty() || (json.is_array() && holdsOnlyScalars(json))) {
        out += json.dump();
        return;
    }
    const std::string indent(depth + 1, ' ');
    out += json.is_array() ? "[\n" : "{\n";
    bool first = true;
    for (const auto &item : json.items()) {
        out += first ? "" : ",\n";
        out += indent;
        if (json.is_object())
            out += Json(item.key()).dump() + ": ";
        print(item.value(), depth + 1, out);
        first = false;
    }
    out += "\n" + std::string(depth, ' ') + (json.is_array() ? "]" : "}");
}

}  // namespace

std::string describeUnit(const Unit &unit)
{
    std::string out;
    print(unitToJson(unit), 0, out);
    return out + "\n";
}

Unit unitFromDescription(const std::string &text)
{
    return unitFromJson(Json::parse(text));
}

}  // namespace torvik::sim
