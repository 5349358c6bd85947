// The text lines of a site's window: the site summary, the plug-list
// heading and one line per plug, with the colour class of every field. The
// plug-list window draws them, the certification report prints them and
// the text export writes them: these lines are the one source of all three.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "number_format.h"
#include "regional.h"
#include "site.h"
#include "verdicts.h"

namespace quillet::autotest {

enum class FieldColour : std::uint8_t { Normal, Pass, Fail, Limit };

// A tab-separated line and the colour of each of its fields.
struct ListLine {
    std::string text;
    std::vector<FieldColour> colours;
};

// Column bits of the synthetic and detailed plug lists.
namespace column {
inline constexpr std::uint32_t kMapping = 1u << 0;
inline constexpr std::uint32_t kLength = 1u << 1;
inline constexpr std::uint32_t kDelay = 1u << 2;
inline constexpr std::uint32_t kSkew = 1u << 3;
inline constexpr std::uint32_t kLoop = 1u << 4;
inline constexpr std::uint32_t kZc = 1u << 5;
// The eight frequency kinds take two bits each from bit 6 on, in the order
// NEXT, PSNEXT, ELFEXT, PSELFEXT, ACR, PSACR, return loss (tester, remote),
// then attenuation (bit 20).
inline constexpr std::uint32_t kAttenuation = 1u << 20;
}  // namespace column

std::uint32_t defaultSyntheticMask(const model::CNorm &standard);
std::uint32_t defaultDetailedMask(const model::CNorm &standard);

struct ListContext {
    const model::CSite &site;
    const model::SiteVerdicts &verdicts;
    NumberFormat format;
    Regional regional;
};

// The site summary, over the plugs the list shows. `title` is the report
// title ("CERTIFICATION REPORT" unless the user chose another).
std::vector<std::string> siteSummaryLines(const ListContext &context, const std::vector<const model::CPrise *> &listed,
                                          const std::string &title);

ListLine headingLine(const ListContext &context, std::uint32_t syntheticMask);

// The synthetic line of a plug; `number` is its 1-based place in the site.
ListLine plugLine(const ListContext &context, const model::CPrise &plug, int number, std::uint32_t syntheticMask);

}  // namespace quillet::autotest
