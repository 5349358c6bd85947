#include "run_options.h"

#include <algorithm>
#include <charconv>

namespace rivo {

namespace {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::optional<int> leadingNumber(std::string_view text)
{
    text = trimmed(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data())
        return std::nullopt;
    return value;
}

std::vector<std::string_view> splitFields(std::string_view text)
{
    std::vector<std::string_view> fields;
    while (true) {
        const std::size_t comma = text.find(',');
        fields.push_back(trimmed(text.substr(0, comma)));
        if (comma == std::string_view::npos)
            return fields;
        text.remove_prefix(comma + 1);
    }
}

void applyOption(char letter, std::string_view value, RunOptions &options)
{
    switch (letter) {
    case 'c':
        options.link = readLinkFields(value);
        break;
    case 'd':
        options.trace = true;
        break;
    case 'f':
        options.force = true;
        break;
    case 'l':
        if (const std::string_view language = trimmed(value); !language.empty())
            options.language = language.front() == 'f' ? Language::French : Language::English;
        break;
    case 'r':
        options.repeat = true;
        break;
    case 's':
        options.singleFile = true;
        break;
    case 'w':
        if (const auto count = leadingNumber(value); count && *count >= 0 && *count <= 255)
            options.waitCharacters = *count;
        break;
    default:
        break;  // letters the upgrader does not know
    }
}

}  // namespace

std::optional<LinkSettings> readLinkFields(std::string_view value)
{
    const std::vector<std::string_view> fields = splitFields(trimmed(value));
    if (fields.size() < 6)
        return std::nullopt;
    const std::optional<int> port = leadingNumber(fields[0]);
    if (!port || *port < 1 || *port > 8)
        return std::nullopt;
    LinkSettings link;
    link.port = *port;
    link.baudIndex = baudIndexOf(leadingNumber(fields[1]).value_or(0));
    link.eightDataBits = fields[2] != "7";
    link.twoStopBits = fields[3] == "2";
    const char parity = fields[4].empty() ? 'n' : fields[4].front();
    link.parity = parity == 'e' ? Parity::Even
                : parity == 'o' ? Parity::Odd
                : parity == 'i' ? Parity::Ignored
                                : Parity::None;
    const char flow = fields[5].empty() ? 'n' : fields[5].front();
    link.flow = flow == 'h' ? FlowControl::Hardware : flow == 's' ? FlowControl::XonXoff : FlowControl::None;
    return link;
}

RunOptions readCommandLine(std::string_view commandLine)
{
    RunOptions options;
    std::string lower(commandLine);
    for (char &c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    std::size_t dash = lower.find('-');
    while (dash != std::string::npos && dash + 1 < lower.size()) {
        const std::size_t next = lower.find('-', dash + 1);
        const std::size_t valueEnd = next == std::string::npos ? lower.size() : next;
        const std::size_t valueBegin = std::min(dash + 2, valueEnd);
        const std::string_view value = std::string_view(lower).substr(valueBegin, valueEnd - valueBegin);
        applyOption(lower[dash + 1], value, options);
        dash = next;
    }
    return options;
}

std::string joinArguments(const std::vector<std::string> &arguments)
{
    std::string line;
    for (const std::string &argument : arguments) {
        if (!line.empty())
            line += ' ';
        line += argument;
    }
    return line;
}

}  // namespace rivo
