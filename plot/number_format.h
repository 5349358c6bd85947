// The number formats of every listing, axis label, marker read-out and
// export: fixed width, fixed trimmed, automatic (7 significant digits in 8
// columns), general, rounding and parsing, with the user's decimal
// separator. No locale of the C library is involved: the separator is
// given, so the output is the same whatever locale the process runs under.
#pragma once

#include <string>
#include <string_view>

namespace quillet {

class NumberFormat {
public:
    explicit NumberFormat(char decimalSeparator = '.') : separator_(decimalSeparator) {}

    char separator() const { return separator_; }

    // Exactly `width` characters: values from 99999999 on or below -9999999
    // in exponent form ("1.2346e8"), others with up to `decimals` decimals,
    // fewer when the text would not fit, "****" when nothing fits.
    std::string fixed(double value, int width, int decimals, bool dropLeadingBlanks = false) const;
    // The fixed text without the trailing zeros of its fraction, still
    // `width` wide unless leading blanks are dropped.
    std::string fixedTrimmed(double value, int width, int decimals, bool dropLeadingBlanks = false) const;
    // Trimmed, width 8, with the decimals that keep 7 significant digits.
    std::string automatic(double value, bool dropLeadingBlanks = false) const;
    // The "%.<digits>G" form, at most 15 significant digits.
    std::string general(double value, int digits) const;
    // The text read back as a number, the separator standing for ".";
    // kNotANumber when characters are left over.
    double parse(std::string_view text) const;

    static constexpr double kNotANumber = -1.7976931348623157e308;

private:
    std::string withSeparator(std::string text) const;
    char separator_;
};

// Decimals of the automatic format for a value.
int automaticDecimals(double value);

// floor(value × 10^decimals + 0.5555555555555556) / 10^decimals, taken on
// the absolute value (and given its sign back) when asked.
double roundTo(double value, int decimals, bool onAbsoluteValue);

}  // namespace quillet
