// Message boxes and the busy cursor, which the program installs as
// handlers; without handlers messages go to stderr and the cursor is a no-op.
#pragma once

#include <cstdint>
#include <string>

namespace torvlink {

// Shows a message (Windows-1252 text); returns the button pressed (1 = OK).
int32_t showMessage(const std::string &caption, const std::string &text, int32_t icon);

// Nested busy periods: the handler hears only the outermost on and off.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

}  // namespace torvlink
