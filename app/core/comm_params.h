// The stored communication parameters ("CommunicationD01"/"Parameters"):
// six comma-separated fields, port, rate, parity, data bits, stop bits and
// handshake, as "1,38400,n,8,1,n".
#pragma once

#include <cstdint>
#include <string>

namespace quillet {

struct CommParams {
    int32_t port = 1;
    int32_t rate = 38400;
    char parity = 'n';
    int32_t dataBits = 8;
    int32_t stopBits = 1;
    char handshake = 'n';
};

inline constexpr const char *kCommSection = "CommunicationD01";
inline constexpr const char *kCommKey = "Parameters";
inline constexpr const char *kDefaultCommParameters = "1,38400,n,8,1,n";

// Reads the stored form. A value with fewer than six fields repeats its
// last field into the missing ones ("2" is port 2, rate 2, parity '2'...);
// an empty value gives 0 for the numbers and NUL for the letters.
CommParams parseCommParameters(const std::string &stored);

std::string formatCommParameters(const CommParams &params);

}  // namespace quillet
