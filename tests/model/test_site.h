// A stand-in for the site record in the autotest file tests: a name and an
// array of plugs, enough to exercise the file layout and the tag numbering
// of nested objects. Not the site record's layout.
#pragma once

#include <string>
#include <vector>

#include "archive_reader.h"
#include "archive_writer.h"
#include "object_array.h"
#include "prise.h"

namespace quillet::model::testing {

struct TestSite {
    static constexpr ArchiveClass kArchiveClass = ArchiveClass::Site;

    std::string name;
    std::vector<CPrise> plugs;

    void store(ArchiveWriter &ar) const {
        ar.writeString(name);
        storeObjectArray(ar, plugs);
    }
    void load(ArchiveReader &ar) {
        name = ar.readString();
        loadObjectArray(ar, plugs, "plugs");
    }
    std::string summaryEntry() const { return name + "(01/02/03)"; }

    friend bool operator==(const TestSite &, const TestSite &) = default;
};

}  // namespace quillet::model::testing
