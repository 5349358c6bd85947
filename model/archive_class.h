// The record classes an archive names in its object tags. A reader meets a
// class by its name; the program knows these and no other, all with schema 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quillet::model {

enum class ArchiveClass : std::uint8_t { Site, Prise, GrphMes, Norm, ConvCab, Cable, FloatArray };

inline constexpr std::size_t kArchiveClassCount = 7;
inline constexpr std::uint16_t kArchiveSchema = 0;

// "CSite", "CPrise", ...
std::string_view className(ArchiveClass cls);

// The class of a stored name; none for a name the program does not know.
std::optional<ArchiveClass> classNamed(std::string_view name);

}  // namespace quillet::model
