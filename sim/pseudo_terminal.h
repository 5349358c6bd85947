// The pseudo-terminal that stands in for the tester's serial line.
#pragma once

#include <string>

namespace torvik::sim {

// Owns the master side (the tester's end) and one descriptor of the slave
// side. Holding the slave open keeps the line up while the host closes and
// reopens the device, as a real serial port stays up.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    // Opens a raw, non-blocking master and its slave; false with a message.
    bool open(std::string *error);
    void close();
    bool isOpen() const { return master_ >= 0; }

    int master() const { return master_; }
    const std::string &slavePath() const { return slavePath_; }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};

// A symbolic link `link` -> `target`, replacing an existing symbolic link
// (never another kind of file); false with a message.
bool createDeviceLink(const std::string &link, const std::string &target, std::string *error);
// Removes `link` if it is still a symbolic link to `target`.
void removeDeviceLink(const std::string &link, const std::string &target);

}  // namespace torvik::sim
