// Character sets of the link: the tester sends text in its OEM code page
// (850); the library hands out Windows-1252, the set the documents store.
#pragma once

#include <cstddef>
#include <string>

namespace torvlink {

// Converts `text` in place, up to its NUL or `size` bytes, whichever comes
// first. The tester's special characters 0x1A, 0x1B, 0x1D and 0xDB pass
// unchanged: the program shows them as arrows and as "Ohm".
void oemToAnsi(char *text, std::size_t size);

// Windows-1252 to UTF-8, for texts written to a terminal.
std::string ansiToUtf8(const std::string &text);

}  // namespace torvlink
