// Read access to the program's profile without Qt, for the command-line
// tool: the INI file the desktop program keeps under the XDG configuration
// folder ("Olbrin Applications/Quillet.ini").
#pragma once

#include <optional>
#include <string>

namespace quillet {

// $XDG_CONFIG_HOME (or ~/.config) + "/Olbrin Applications/Quillet.ini".
std::string profilePath();

// The text of `key` in `section`, unquoted and unescaped as the profile
// stores it; nothing when the file, the section or the key is missing.
std::optional<std::string> readProfileString(const std::string &path, const std::string &section,
                                             const std::string &key);

}  // namespace quillet
