// Storing a record to bytes and loading it back at a given revision.
#pragma once

#include <string>
#include <string_view>

#include "archive_reader.h"
#include "archive_writer.h"
#include "bytes.h"

namespace quillet::model::testing {

template <class Record>
Bytes storeBytes(const Record &record) {
    ArchiveWriter w;
    record.store(w);
    return w.release();
}

template <class Record>
struct LoadOutcome {
    Record record;
    bool ok = false;
    std::size_t consumed = 0;
    std::string fault;
};

// Loads into a default record, as a document does.
template <class Record>
LoadOutcome<Record> loadBytes(const Bytes &bytes, std::string_view revision) {
    LoadOutcome<Record> out;
    ArchiveReader r(bytes);
    r.setRevision(revision);
    out.record.load(r);
    out.ok = r.ok();
    out.consumed = r.offset();
    if (!r.ok()) out.fault = r.fault().what;
    return out;
}

}  // namespace quillet::model::testing
