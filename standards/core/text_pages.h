// Pagination of a printed listing: how many lines a page holds under the
// print header, how many pages the lines take and which lines each page
// prints. Pure arithmetic, shared by the print dialog's page count, the
// preview and the printed pages.
#pragma once

#include <cstddef>

namespace quillet::standards {

struct PageLines {
    std::size_t first = 0;  // index of the page's first line
    std::size_t end = 0;    // one past its last line
};

// The lines of a page body: the lines that fit the printable height, less
// the print header's lines and the title line with its rule. Never below 1.
int bodyLinesPerPage(int printableHeight, int lineHeight, int headerLines);

// ceiling(lines / bodyLines); one page for an empty listing.
int textPageCount(std::size_t lineCount, int bodyLines);

// The lines of page `page` (from 1), clipped to the listing.
PageLines pageLines(int page, int bodyLines, std::size_t lineCount);

}  // namespace quillet::standards
