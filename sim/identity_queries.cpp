// The tester's identification and its small text items.
#include <charconv>

#include "command_table.h"
#include "firmware_gates.h"

namespace torvik::sim {

namespace {

// "maker,model,serial,revision"; a unit with no maker, model or serial
// number sends only the three commas before its revision.
Reply identification(const Identity &id)
{
    return Reply::line(id.maker + ',' + id.model + ',' + id.serial + ',' + id.revision);
}

// Firmware before the six-value form sends the first four values only.
Reply uncertainties(const Unit &unit)
{
    const std::size_t count =
        isRevisionInRange(unit.identity.revision, gates::sixUncertainties) ? 6 : 4;
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i != 0)
            text += ',';
        text += std::to_string(unit.uncerts[i]);
    }
    return Reply::line(text);
}

// The message's text, or an empty line for a number the unit does not hold.
Reply message(const Unit &unit, const Command &command)
{
    int32_t number = 0;
    if (!command.args.empty()) {
        const std::string &arg = command.args.front();
        std::from_chars(arg.data(), arg.data() + arg.size(), number);
    }
    const auto found = unit.messages.find(number);
    return Reply::line(found == unit.messages.end() ? std::string() : found->second);
}

}  // namespace

void addIdentityQueries(CommandTable &table, const Unit &unit)
{
    table["PP?"] = [&unit](const Command &, TesterError &) {
        return Reply::line(std::to_string(unit.productCode));
    };
    table["*IDN?"] = [&unit](const Command &, TesterError &) {
        return identification(unit.identity);
    };
    table["USER_ID?"] = [&unit](const Command &, TesterError &) {
        return Reply::line(unit.userName + ',' + unit.company);
    };
    if (unit.knowsMinVer) {
        table["QUILLET_MINVER?"] = [&unit](const Command &, TesterError &) {
            return Reply::line(unit.minVer + ',' + unit.minVerZ);
        };
    }
    table["UNCERTS?"] = [&unit](const Command &, TesterError &) {
        return uncertainties(unit);
    };
    table["MSG?"] = [&unit](const Command &command, TesterError &) {
        return message(unit, command);
    };
}

}  // namespace torvik::sim
