#include "doc_template_strings.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace quillet {

DocTemplateStrings parseDocTemplateStrings(const std::string &resource) {
    std::vector<std::string> fields;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t end = resource.find('\n', begin);
        fields.push_back(resource.substr(begin, end == std::string::npos ? std::string::npos : end - begin));
        if (end == std::string::npos) break;
        begin = end + 1;
    }
    fields.resize(7);
    return {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6]};
}

bool matchesExtension(const DocTemplateStrings &strings, const std::string &path) {
    const std::string &ext = strings.filterExt;
    if (ext.empty() || path.size() < ext.size()) return false;
    return std::equal(ext.begin(), ext.end(), path.end() - static_cast<std::ptrdiff_t>(ext.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

}  // namespace quillet
