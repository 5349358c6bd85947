#include "json_fields.h"

#include <cstdio>
#include <ctime>

#include "oem_text.h"

namespace torvik::sim {

JsonReader::JsonReader(const Json &json, std::string path) : json_(json), path_(std::move(path)) {}

JsonReader JsonReader::child(const char *key) const
{
    return JsonReader(json_.at(key), path_ + "." + key);
}

JsonReader JsonReader::element(std::size_t index) const
{
    return JsonReader(json_.at(index), path_ + "[" + std::to_string(index) + "]");
}

void JsonReader::fail(const std::string &what) const
{
    throw UnitDescriptionError(path_ + " " + what);
}

void JsonReader::flag(const char *key, bool &out) const
{
    if (!has(key))
        return;
    if (!at(key).is_boolean())
        child(key).fail("is not true or false");
    out = at(key).get<bool>();
}

void JsonReader::text(const char *key, std::string &out, std::size_t maxLength) const
{
    if (has(key))
        out = oemText(at(key), maxLength, key);
}

std::string JsonReader::oemText(const Json &value, std::size_t maxLength, const std::string &where) const
{
    const JsonReader field(value, path_ + "." + where);
    if (!value.is_string())
        field.fail("is not a text");
    const auto oem = utf8ToOem(value.get<std::string>());
    if (!oem)
        field.fail("holds a character the tester's code page lacks");
    if (oem->size() > maxLength)
        field.fail("is longer than " + std::to_string(maxLength) + " characters");
    return *oem;
}

std::string dateTimeText(uint32_t seconds)
{
    const std::time_t t = seconds;
    std::tm utc{};
    gmtime_r(&t, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &utc);
    return text;
}

uint32_t dateTimeFromText(const JsonReader &reader, const char *key, uint32_t fallback)
{
    if (!reader.has(key))
        return fallback;
    const Json &value = reader.json().at(key);
    std::tm utc{};
    if (!value.is_string() || std::sscanf(value.get<std::string>().c_str(), "%d-%d-%d %d:%d:%d", &utc.tm_year,
                                          &utc.tm_mon, &utc.tm_mday, &utc.tm_hour, &utc.tm_min, &utc.tm_sec) != 6)
        reader.child(key).fail("is not a date-time \"YYYY-MM-DD hh:mm:ss\"");
    utc.tm_year -= 1900;
    utc.tm_mon -= 1;
    const std::time_t seconds = timegm(&utc);
    if (seconds < 0 || seconds > 0x7FFFFFFF)
        reader.child(key).fail("is outside the tester's dates");
    return static_cast<uint32_t>(seconds);
}

}  // namespace torvik::sim
