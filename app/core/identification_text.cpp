#include "identification_text.h"

#include "quillet_strings.h"

namespace quillet {

std::string dottedName(const std::string &name) {
    if (name.empty() || name.front() == ' ') return name;
    std::string dotted = name;
    for (char &c : dotted) {
        if (c == ' ') c = '.';
    }
    return dotted;
}

std::string identificationText(const TesterIdentification &id) {
    return std::string(resourceString(ids::kPort)) + ":\n  " + id.portName + ", " + std::to_string(id.rate) +
           " Bds\n\n" + resourceString(ids::kTester) + ":\n  " + id.model + ", " + resourceString(ids::kNr) +
           id.serial + ", v" + id.revision + "\n\n" + resourceString(ids::kUser) + ":\n  " + dottedName(id.user) +
           ", " + dottedName(id.company);
}

}  // namespace quillet
