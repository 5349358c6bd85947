// The text of the tester identification message ("&Identify connected
// tester..."), shared by the window and the command-line tool.
#pragma once

#include <cstdint>
#include <string>

namespace quillet {

struct TesterIdentification {
    std::string portName;  // "COM1"
    int32_t rate = 0;
    std::string model;
    std::string serial;
    std::string revision;
    std::string user;
    std::string company;
};

// Spaces of a user or company name shown as dots ("J SMITH" as "J.SMITH"),
// unless the name begins with a space.
std::string dottedName(const std::string &name);

// "Port:\n  COM1, 38400 Bds\n\nTester:\n  TORVIK, NrT0412345, vD.05\n\nUser:\n  J.SMITH, NORDKABEL"
std::string identificationText(const TesterIdentification &id);

}  // namespace quillet
