#include "archive_class.h"

namespace quillet::model {
namespace {

constexpr std::string_view kNames[kArchiveClassCount] = {
    "CSite", "CPrise", "CGrphMes", "CNorm", "CConvCab", "CCable", "CFloatArray",
};

}  // namespace

std::string_view className(ArchiveClass cls) { return kNames[static_cast<std::size_t>(cls)]; }

std::optional<ArchiveClass> classNamed(std::string_view name) {
    for (std::size_t i = 0; i < kArchiveClassCount; ++i) {
        if (kNames[i] == name) return static_cast<ArchiveClass>(i);
    }
    return std::nullopt;
}

}  // namespace quillet::model
