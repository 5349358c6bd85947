// The windowed upgrader: language, main window, welcome, then the
// procedure in windows.
#pragma once

#include <QDir>
#include <string>
#include <vector>

namespace rivo {

// `arguments` are those after the program name; "--dir FOLDER" names the
// folder of the firmware files instead of the program's own.
int runWindowed(const std::vector<std::string> &arguments, const QDir &programFolder);

}  // namespace rivo
