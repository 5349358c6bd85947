// Texts that come from the tester or the link library: the tester's special
// characters, and the Windows-1252 set the library hands its texts in.
#pragma once

#include <string>

namespace quillet {

// The tester's arrows and Ohm sign as readable text: 0x1A "->", 0x1B "<-",
// 0x1D "<->", 0xDB "Ohm" (after a space unless one precedes it already).
std::string convertTesterText(const std::string &text);

// Windows-1252 bytes as UTF-8; the five unassigned bytes become U+FFFD.
std::string cp1252ToUtf8(const std::string &text);

// UTF-8 as Windows-1252, for texts the user types into a document; a
// character the code page lacks, or a malformed sequence, becomes "?".
std::string utf8ToCp1252(const std::string &text);

}  // namespace quillet
