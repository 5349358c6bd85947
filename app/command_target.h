// Command routing: a command goes to the active document window when that
// window handles it, else to the main window, else to the application.
// Each target also says whether its commands are enabled or checked, which
// the main window asks in one place whenever the active window changes.
#pragma once

namespace quillet {

class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    virtual bool handlesCommand(int id) const = 0;
    virtual bool isCommandEnabled(int id) const = 0;
    virtual bool isCommandChecked(int) const { return false; }
    virtual void onCommand(int id) = 0;
};

}  // namespace quillet
