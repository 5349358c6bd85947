#include "profile.h"

#include <cstdlib>
#include <fstream>

namespace quillet {
namespace {

std::string trimmed(const std::string &text) {
    const auto begin = text.find_first_not_of(" \t\r");
    if (begin == std::string::npos) return {};
    const auto end = text.find_last_not_of(" \t\r");
    return text.substr(begin, end - begin + 1);
}

// A stored value: quotes that protect commas and spaces are removed, and
// backslash escapes inside them resolved.
std::string unquoted(const std::string &raw) {
    std::string out;
    bool quoted = false;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '\\' && i + 1 < raw.size()) {
            const char next = raw[++i];
            out += next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : next;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::string profilePath() {
    std::string base;
    if (const char *xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        base = xdg;
    else if (const char *home = std::getenv("HOME"); home && *home)
        base = std::string(home) + "/.config";
    else
        base = ".";
    return base + "/Olbrin Applications/Quillet.ini";
}

std::optional<std::string> readProfileString(const std::string &path, const std::string &section,
                                             const std::string &key) {
    std::ifstream in(path);
    if (!in) return std::nullopt;
    std::string line;
    bool inSection = false;
    while (std::getline(in, line)) {
        const std::string text = trimmed(line);
        if (text.empty() || text[0] == ';' || text[0] == '#') continue;
        if (text.front() == '[' && text.back() == ']') {
            inSection = text.substr(1, text.size() - 2) == section;
            continue;
        }
        const auto equals = text.find('=');
        if (inSection && equals != std::string::npos && trimmed(text.substr(0, equals)) == key)
            return unquoted(trimmed(text.substr(equals + 1)));
    }
    return std::nullopt;
}

}  // namespace quillet
