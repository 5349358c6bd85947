#include "firmware_file.h"

#include <algorithm>
#include <system_error>

#include "intel_hex.h"

namespace rivo {

std::vector<std::string> listFirmwareFiles(const std::filesystem::path &folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.size() > 4 && toUpper(name).ends_with(".HEX") && !entry->is_directory(error))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace rivo
