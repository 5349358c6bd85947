// The version record of a module (the program or the link library) and the
// texts built from it: the About box's version lines and the warning a test
// build shows at start-up.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace quillet {

struct ModuleVersion {
    std::string productName;       // "Quillet"
    std::string originalFilename;  // "libtorvlink.so"
    std::string productVersion;    // "D.06"
    std::string fileVersion;       // "D.06"
    std::array<int, 4> fixedFileVersion{};
    std::string legalCopyright;
    std::string specialBuild;      // empty for an ordinary build
};

// The four numbers of a revision "D.06": the letter's place in the
// alphabet, the two digits, and two zeros (4,6,0,0); all zero when the
// text is not a revision.
std::array<int, 4> fixedVersionOf(const std::string &revision);

// This program's record, compiled in.
ModuleVersion programVersion();

// The link library's record from its name and revision exports.
ModuleVersion linkLibraryVersion(const std::string &fileName, const std::string &revision);

// "Quillet Version D.06 (4,6,0,0)": the program's line names its product,
// the library's line its file ("libtorvlink.so Version D.05 (4,5,0,0)").
std::string programVersionLine(const ModuleVersion &version);
std::string libraryVersionLine(const ModuleVersion &version);

// A product version from "Z" on is a test build, which warns at start-up
// (UTF-8 text; nothing for an ordinary build).
bool isTestBuild(const std::string &productVersion);
std::optional<std::string> testBuildWarning(const std::string &productVersion);

}  // namespace quillet
