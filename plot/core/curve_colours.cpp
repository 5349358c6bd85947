#include "curve_colours.h"

namespace quillet::plot {
namespace {

constexpr Rgb kDefaults[] = {{128, 0, 0},   {0, 0, 128},   {0, 128, 0},     {0, 128, 128}, {128, 0, 128},
                             {128, 128, 0}, {128, 128, 128}, {255, 0, 0},   {0, 0, 255},   {0, 255, 0},
                             {0, 255, 255}, {255, 0, 255}, {255, 255, 0},   {192, 192, 192}, {0, 0, 0}};

constexpr Rgb kGraphCycle[] = {{0, 0, 0},     {128, 0, 0},   {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                               {128, 0, 128}, {128, 128, 0}, {128, 128, 128}, {255, 0, 0}, {0, 0, 255},
                               {0, 255, 0},   {0, 255, 255}, {255, 0, 255}};

constexpr const char *kPatterns[] = {"-", "--------..", "--..", "--------..--..", "--------..--..--.."};

}  // namespace

std::string curveColourKey(int slot) { return "CouleurCourbe" + std::to_string(slot + 1); }

Rgb defaultCurveColour(int slot) { return kDefaults[static_cast<std::size_t>(slot < 0 ? 0 : slot) % std::size(kDefaults)]; }

Rgb graphCurveColour(int slot) {
    return kGraphCycle[static_cast<std::size_t>(slot < 0 ? 0 : slot) % std::size(kGraphCycle)];
}

int curveLineStyle(int slot) { return (slot < 0 ? 0 : slot) % 5; }

const char *monochromePattern(int style) { return kPatterns[style >= 0 && style < 5 ? style : 0]; }

}  // namespace quillet::plot
