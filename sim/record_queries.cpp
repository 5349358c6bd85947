// The queries of the tester's stored records: sites, plug tests, graphs,
// standards and their limits.
#include <charconv>

#include "command_table.h"
#include "firmware_gates.h"
#include "record_encoding.h"
#include "unit_memory.h"

namespace torvik::sim {

namespace {

const TesterError kOutOfRange{-222, "Data out of range"};
const TesterError kMissingParameter{-109, "Missing parameter"};
const TesterError kParameterNotAllowed{-108, "Parameter not allowed"};

// The numeric arguments of a command: `wanted` of them, the first
// `required` compulsory; more than `wanted` is refused.
class Arguments {
public:
    Arguments(const Command &command, std::size_t required, std::size_t wanted, TesterError &raised)
    {
        if (command.args.size() < required) {
            raised = kMissingParameter;
        } else if (command.args.size() > wanted) {
            raised = kParameterNotAllowed;
        } else {
            for (const std::string &arg : command.args) {
                int32_t value = 0;
                const auto [end, ec] = std::from_chars(arg.data(), arg.data() + arg.size(), value);
                if (ec != std::errc() || end != arg.data() + arg.size())
                    raised = kParameterNotAllowed;
                values_.push_back(value);
            }
        }
        ok_ = raised.number == 0;
    }
    bool ok() const { return ok_; }
    int32_t operator[](std::size_t i) const { return values_.at(i); }

private:
    std::vector<int32_t> values_;
    bool ok_ = false;
};

// A block of length 0: no data and no CRC.
Reply emptyBlock()
{
    return Reply::raw("#10\n");
}

// A block query the tester cannot answer: an empty block, and the error.
Reply noBlock(TesterError &raised)
{
    if (raised.number == 0)
        raised = kOutOfRange;
    return emptyBlock();
}

Reply noCount(TesterError &raised)
{
    if (raised.number == 0)
        raised = kOutOfRange;
    return Reply::line("0");
}

Reply blockOrError(const std::string *block, TesterError &raised)
{
    return block ? Reply::binary(*block) : noBlock(raised);
}

template <typename T>
const T *at(const std::vector<T> &items, int32_t number)
{
    if (number < 0 || static_cast<std::size_t>(number) >= items.size())
        return nullptr;
    return &items[static_cast<std::size_t>(number)];
}

// The site in slot `number`; an empty slot is in range but holds none.
struct SlotLookup {
    bool inRange = false;
    const Site *site = nullptr;
};
SlotLookup slot(const Unit &unit, int32_t number)
{
    const auto *entry = at(unit.sites, number);
    if (!entry)
        return {};
    return {true, *entry ? &**entry : nullptr};
}

void addSiteQueries(CommandTable &table, const Unit &unit)
{
    table["NBSITES?"] = [&unit](const Command &, TesterError &) {
        return Reply::line(std::to_string(unit.sites.size()));
    };
    // An empty slot answers an empty block without an error.
    table["CFGSITE_SUM?"] = [&unit](const Command &command, TesterError &raised) {
        const Arguments args(command, 1, 1, raised);
        const SlotLookup found = args.ok() ? slot(unit, args[0]) : SlotLookup{};
        if (!found.inRange)
            return noBlock(raised);
        return found.site ? Reply::binary(encodeSiteSummary(*found.site)) : emptyBlock();
    };
    table["CFGSITE?"] = [&unit](const Command &command, TesterError &raised) {
        const Arguments args(command, 1, 1, raised);
        const SlotLookup found = args.ok() ? slot(unit, args[0]) : SlotLookup{};
        if (!found.inRange)
            return noBlock(raised);
        return found.site ? Reply::binary(encodeSiteConfig(*found.site, unit.identity.revision))
                          : emptyBlock();
    };
    table["CNX_INF?"] = [&unit](const Command &command, TesterError &raised) {
        const Arguments args(command, 1, 1, raised);
        const auto *convention = args.ok() ? at(unit.conventions, args[0]) : nullptr;
        return convention ? Reply::binary(encodeConnectionInfo(*convention)) : noBlock(raised);
    };
    table["WIRES_NAMES?"] = [&unit](const Command &command, TesterError &raised) {
        const Arguments args(command, 1, 1, raised);
        const auto *convention = args.ok() ? at(unit.conventions, args[0]) : nullptr;
        return convention ? Reply::binary(encodeWireNames(*convention)) : noBlock(raised);
    };
    table["CABLE?"] = [&unit](const Command &command, TesterError &raised) {
        const Arguments args(command, 1, 1, raised);
        const auto *cable = args.ok() ? at(unit.cables, args[0]) : nullptr;
        return cable ? Reply::binary(encodeCable(*cable)) : noBlock(raised);
    };
    table["PLUG_NAME?"] = [&unit](const Command &command, TesterError &raised) {
        const Arguments args(command, 1, 1, raised);
        const auto found = args.ok() ? unit.plugNames.find(args[0]) : unit.plugNames.end();
        return Reply::line(found == unit.plugNames.end() ? std::string() : found->second);
    };
}

// Counts of a site slot: an empty slot counts 0, one out of range raises.
template <typename Count>
Handler slotCount(const Unit &unit, Count count)
{
    return [&unit, count](const Command &command, TesterError &raised) {
        const Arguments args(command, 1, 1, raised);
        const SlotLookup found = args.ok() ? slot(unit, args[0]) : SlotLookup{};
        if (!found.inRange)
            return noCount(raised);
        return Reply::line(std::to_string(found.site ? count(static_cast<std::size_t>(args[0]), *found.site) : 0));
    };
}

void addTestQueries(CommandTable &table, const Unit &unit, const UnitMemory &memory)
{
    table["NBTESTS?"] = slotCount(unit, [](std::size_t, const Site &site) { return site.plugs.size(); });
    table["NBSECTS_TESTS?"] = slotCount(unit, [&memory](std::size_t slot, const Site &) {
        return memory.testChain(slot).sections;
    });
    table["NRSECT0_TEST0?"] = slotCount(unit, [&memory](std::size_t slot, const Site &) {
        return memory.testChain(slot).first;
    });
    table["SECT?"] = [&memory](const Command &command, TesterError &raised) {
        const Arguments args(command, 1, 1, raised);
        return blockOrError(args.ok() ? memory.section(args[0]) : nullptr, raised);
    };
}

void addGraphQueries(CommandTable &table, const Unit &unit, const UnitMemory &memory)
{
    table["NBGRAPHS?"] = slotCount(unit, [](std::size_t, const Site &site) { return site.graphs.size(); });
    table["GRAPH_SUM?"] = [&unit](const Command &command, TesterError &raised) {
        const Arguments args(command, 2, 2, raised);
        const SlotLookup found = args.ok() ? slot(unit, args[0]) : SlotLookup{};
        const Graph *graph = found.site ? at(found.site->graphs, args[1]) : nullptr;
        return graph ? Reply::binary(encodeGraphSummary(*graph)) : noBlock(raised);
    };
    table["NRSECT0_GRAPH?"] = [&unit, &memory](const Command &command, TesterError &raised) {
        const Arguments args(command, 2, 2, raised);
        const SlotLookup found = args.ok() ? slot(unit, args[0]) : SlotLookup{};
        if (!found.site || !at(found.site->graphs, args[1]))
            return noCount(raised);
        const Chain chain = memory.graphChain(static_cast<std::size_t>(args[0]), static_cast<std::size_t>(args[1]));
        return Reply::line(std::to_string(chain.first) + ',' + std::to_string(chain.sections));
    };
}

void addStandardQueries(CommandTable &table, const Unit &unit, const UnitMemory &memory)
{
    // The second number (the site's cable) came with B.01; older firmware
    // refuses it.
    const std::size_t normArguments = isRevisionInRange(unit.identity.revision, gates::sixUncertainties) ? 2 : 1;
    table["NBNORMS?"] = [&unit](const Command &, TesterError &) {
        return Reply::line(std::to_string(unit.standards.size()));
    };
    table["NORM?"] = [&memory, normArguments](const Command &command, TesterError &raised) {
        const Arguments args(command, 1, normArguments, raised);
        return blockOrError(args.ok() ? memory.norm(args[0]) : nullptr, raised);
    };
    table["NORM_WIRES_NR?"] = [&unit](const Command &command, TesterError &raised) {
        const Arguments args(command, 1, 1, raised);
        const Standard *standard = args.ok() ? at(unit.standards, args[0]) : nullptr;
        return standard ? Reply::line(wireNumbersLine(*standard)) : noCount(raised);
    };
    table["SWEEP?"] = [&unit](const Command &command, TesterError &raised) {
        const Arguments args(command, 1, 1, raised);
        const Standard *standard = args.ok() ? at(unit.standards, args[0]) : nullptr;
        return standard ? Reply::binary(encodeSweep(*standard)) : noBlock(raised);
    };
    table["LIMIT?"] = [&memory](const Command &command, TesterError &raised) {
        const Arguments args(command, 1, 1, raised);
        return blockOrError(args.ok() ? memory.limitCurve(args[0]) : nullptr, raised);
    };
    table["LIMITOPT?"] = [&memory](const Command &command, TesterError &raised) {
        const Arguments args(command, 1, 1, raised);
        return blockOrError(args.ok() ? memory.opticalLimits(args[0]) : nullptr, raised);
    };
}

// Commands that appeared with a firmware revision; older firmware answers
// them as any unknown command.
struct CommandSince {
    const char *name;
    RevisionRange since;
};
constexpr CommandSince kLaterCommands[] = {
    {"NORM_WIRES_NR?", gates::normWires},
    {"LIMITOPT?", gates::sixUncertainties},
    {"PLUG_NAME?", gates::plugNames},
    {"NBSECTS_TESTS?", gates::autoGraphs},
};

}  // namespace

void addRecordQueries(CommandTable &table, const Unit &unit, const UnitMemory &memory)
{
    addSiteQueries(table, unit);
    addTestQueries(table, unit, memory);
    addGraphQueries(table, unit, memory);
    addStandardQueries(table, unit, memory);
    for (const CommandSince &command : kLaterCommands) {
        if (!isRevisionInRange(unit.identity.revision, command.since))
            table.erase(command.name);
    }
}

}  // namespace torvik::sim
