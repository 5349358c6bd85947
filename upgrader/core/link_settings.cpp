#include "link_settings.h"

#include <algorithm>

namespace rivo {

int32_t LinkSettings::rate() const
{
    return kBaudRates[static_cast<std::size_t>(std::clamp(baudIndex, 0, int(kBaudRates.size()) - 1))];
}

int LinkSettings::bitsPerCharacter() const
{
    return dataBits() + 2 + (twoStopBits ? 1 : 0) + (paritySent() ? 1 : 0);
}

int baudIndexOf(int32_t rate)
{
    const auto found = std::find(kBaudRates.begin(), kBaudRates.end(), rate);
    return found == kBaudRates.end() ? 4 : static_cast<int>(found - kBaudRates.begin());
}

std::chrono::milliseconds waitBeforeWrite(const LinkSettings &settings)
{
    const int64_t characters = settings.waitCharacters;
    return std::chrono::milliseconds(characters * settings.bitsPerCharacter() * 1000 / settings.rate());
}

}  // namespace rivo
