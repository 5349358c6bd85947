// The tester's texts are bytes of its OEM code page (850); a unit
// description holds them as Unicode (UTF-8).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace torvik::sim {

std::string oemToUtf8(std::string_view oem);
// Nothing when the text is not UTF-8 or holds a character code page 850
// lacks.
std::optional<std::string> utf8ToOem(std::string_view utf8);

}  // namespace torvik::sim
