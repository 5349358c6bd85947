#include "file_result.h"

namespace quillet::model {

std::string FileError::text() const {
    std::string out = path + ": " + what;
    if (offset) out += " at byte " + std::to_string(*offset);
    if (!context.empty()) out += " (in " + context + ")";
    return out;
}

}  // namespace quillet::model
