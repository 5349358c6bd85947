// Reading a unit description: every field optional (a missing one keeps the
// record's default), every number checked against the field that holds it,
// every error naming where in the description it is.
#pragma once

#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace torvik::sim {

using Json = nlohmann::ordered_json;

struct UnitDescriptionError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class JsonReader {
public:
    JsonReader(const Json &json, std::string path);

    bool has(const char *key) const { return json_.contains(key) && !json_.at(key).is_null(); }
    const Json &json() const { return json_; }
    const std::string &path() const { return path_; }
    JsonReader child(const char *key) const;
    JsonReader element(std::size_t index) const;
    std::size_t size() const { return json_.size(); }

    [[noreturn]] void fail(const std::string &what) const;

    template <typename T>
    void integer(const char *key, T &out) const
    {
        if (has(key))
            out = checked<T>(at(key), key);
    }
    // A number in a unit (dB, ohm...) held as a count of 1/scale.
    template <typename T>
    void scaled(const char *key, T &out, double scale) const
    {
        if (has(key))
            out = scaledValue<T>(at(key), scale, key);
    }
    template <typename T, std::size_t N>
    void integers(const char *key, std::array<T, N> &out) const
    {
        if (!has(key))
            return;
        const JsonReader list = child(key);
        if (list.size() != N)
            list.fail("needs " + std::to_string(N) + " values");
        for (std::size_t i = 0; i < N; ++i)
            out[i] = list.checked<T>(list.json_.at(i), std::to_string(i));
    }
    void flag(const char *key, bool &out) const;
    // UTF-8 in the description, the tester's code page in the unit.
    void text(const char *key, std::string &out, std::size_t maxLength) const;
    std::string oemText(const Json &value, std::size_t maxLength, const std::string &where) const;

    template <typename T>
    T checked(const Json &value, const std::string &where) const
    {
        if (!value.is_number_integer() && !value.is_number_unsigned())
            JsonReader(value, path_ + "." + where).fail("is not a whole number");
        const long long v = value.get<long long>();
        if (v < static_cast<long long>(std::numeric_limits<T>::min()) ||
            v > static_cast<long long>(std::numeric_limits<T>::max()))
            JsonReader(value, path_ + "." + where).fail("is out of range");
        return static_cast<T>(v);
    }
    template <typename T>
    T scaledValue(const Json &value, double scale, const std::string &where) const
    {
        if (!value.is_number())
            JsonReader(value, path_ + "." + where).fail("is not a number");
        return checked<T>(Json(std::llround(value.get<double>() * scale)), where);
    }

private:
    const Json &at(const char *key) const { return json_.at(key); }

    const Json &json_;
    std::string path_;
};

// Date-times as "2024-03-12 08:05:00", UTC.
std::string dateTimeText(uint32_t seconds);
uint32_t dateTimeFromText(const JsonReader &reader, const char *key, uint32_t fallback);

// Values held in 1/scale of a unit, written as plain numbers.
inline double unscaled(long long value, double scale)
{
    return static_cast<double>(value) / scale;
}

}  // namespace torvik::sim
