#include "text_pages.h"

#include <algorithm>

namespace quillet::standards {

int bodyLinesPerPage(int printableHeight, int lineHeight, int headerLines) {
    if (lineHeight <= 0) return 1;
    return std::max(1, printableHeight / lineHeight - (headerLines + 2));
}

int textPageCount(std::size_t lineCount, int bodyLines) {
    const std::size_t per = static_cast<std::size_t>(std::max(1, bodyLines));
    return std::max(1, static_cast<int>((lineCount + per - 1) / per));
}

PageLines pageLines(int page, int bodyLines, std::size_t lineCount) {
    const std::size_t per = static_cast<std::size_t>(std::max(1, bodyLines));
    const std::size_t first = std::min(lineCount, static_cast<std::size_t>(std::max(0, page - 1)) * per);
    return {first, std::min(lineCount, first + per)};
}

}  // namespace quillet::standards
