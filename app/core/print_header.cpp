#include "print_header.h"

namespace quillet {

std::string printHeaderLineKey(int line) {
    return "Line" + std::to_string(line);
}

PrintHeader printHeaderDialogDefaults() {
    return PrintHeader{};
}

PrintHeader printHeaderReportDefaults() {
    PrintHeader header;
    header.weight = 1;
    header.color = 1;
    return header;
}

}  // namespace quillet
