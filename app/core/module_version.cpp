#include "module_version.h"

#include <cctype>
#include <cstdio>

#include "quillet_strings.h"
#include "version_check.h"

namespace quillet {
namespace {

constexpr const char *kCopyright = "Copyright (C) Olbrin Applications";

std::string joinedNumbers(const std::array<int, 4> &n) {
    char text[64];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d", n[0], n[1], n[2], n[3]);
    return text;
}

}  // namespace

std::array<int, 4> fixedVersionOf(const std::string &revision) {
    const bool wellFormed = revision.size() == 4 && std::isalpha(static_cast<unsigned char>(revision[0])) &&
                            revision[1] == '.' && std::isdigit(static_cast<unsigned char>(revision[2])) &&
                            std::isdigit(static_cast<unsigned char>(revision[3]));
    if (!wellFormed) return {};
    const int letter = std::toupper(static_cast<unsigned char>(revision[0])) - 'A' + 1;
    return {letter, (revision[2] - '0') * 10 + (revision[3] - '0'), 0, 0};
}

ModuleVersion programVersion() {
    ModuleVersion v;
    v.productName = kProductName;
    v.originalFilename = "quillet";
    v.productVersion = kProductVersion;
    v.fileVersion = kProductVersion;
    v.fixedFileVersion = fixedVersionOf(kProductVersion);
    v.legalCopyright = kCopyright;
    return v;
}

ModuleVersion linkLibraryVersion(const std::string &fileName, const std::string &revision) {
    ModuleVersion v;
    v.productName = "Torvlink";
    v.originalFilename = fileName;
    v.productVersion = revision;
    v.fileVersion = revision;
    v.fixedFileVersion = fixedVersionOf(revision);
    v.legalCopyright = kCopyright;
    return v;
}

std::string programVersionLine(const ModuleVersion &v) {
    return v.productName + " " + resourceString(ids::kVersion) + " " + v.productVersion + " (" +
           joinedNumbers(v.fixedFileVersion) + ")";
}

std::string libraryVersionLine(const ModuleVersion &v) {
    return v.originalFilename + " " + resourceString(ids::kVersion) + " " + v.fileVersion + " (" +
           joinedNumbers(v.fixedFileVersion) + ")";
}

bool isTestBuild(const std::string &productVersion) {
    return !productVersion.empty() && productVersion[0] == 'Z';
}

std::optional<std::string> testBuildWarning(const std::string &productVersion) {
    if (!isTestBuild(productVersion)) return std::nullopt;
    return "Attention!\nCette version (" + productVersion +
           ") de l'application est une version de test non diffus\xC3\xA9" "e.";
}

}  // namespace quillet
