#include "command.h"

namespace torvik::sim {

Command parseCommand(const std::string &line)
{
    Command command;
    command.line = line;
    const std::size_t space = line.find(' ');
    command.name = line.substr(0, space);
    if (space == std::string::npos)
        return command;

    std::string arg;
    for (std::size_t i = space + 1; i <= line.size(); ++i) {
        const bool separator = i == line.size() || line[i] == ' ' || line[i] == ',';
        if (!separator) {
            arg += line[i];
        } else if (!arg.empty()) {
            command.args.push_back(arg);
            arg.clear();
        }
    }
    return command;
}

}  // namespace torvik::sim
