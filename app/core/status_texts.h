// Texts of the main window's status bar panes.
#pragma once

#include <cstdint>
#include <string>

namespace quillet {

// The link pane while the link is open: port name, ':' and the rate on
// five zero-padded digits ("COM1:38400", "COM1:09600").
std::string linkPaneText(const std::string &portName, int32_t rate);

// The position pane: a view's 1-based line number ("%ld"), or the ten-digit
// zero-padded form ("%.10ld"); both cut to the pane's ten characters.
std::string positionPaneText(long line);
std::string positionPaneTextPadded(long line);
std::string cutToPositionPane(const std::string &text);

}  // namespace quillet
