// The seven newline-separated fields of a document type's string resource:
// window title, document name, name in the New list, filter name, filter
// extension, registry type id and registry type name.
#pragma once

#include <string>

namespace quillet {

struct DocTemplateStrings {
    std::string windowTitle;
    std::string docName;
    std::string newName;        // "Autotest Document"; empty: not offered
    std::string filterName;     // "Autotest Files (*.tat)"
    std::string filterExt;      // ".tat"
    std::string regFileTypeId;
    std::string regFileTypeName;
};

// Missing trailing fields stay empty.
DocTemplateStrings parseDocTemplateStrings(const std::string &resource);

// True when `path` ends with the type's extension (letter case ignored).
bool matchesExtension(const DocTemplateStrings &strings, const std::string &path);

}  // namespace quillet
