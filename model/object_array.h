// Arrays of owned records written as tagged objects: a count, then each
// record with its class tag and its own layout.
#pragma once

#include <cstdint>
#include <vector>

#include "archive_reader.h"
#include "archive_writer.h"

namespace quillet::model {

// The least an element takes in an archive: its tag word.
inline constexpr std::size_t kMinTaggedObjectBytes = 2;

template <class Record>
void storeObjectArray(ArchiveWriter &ar, const std::vector<Record> &records) {
    ar.writeCount(static_cast<std::uint32_t>(records.size()));
    for (const Record &record : records) {
        ar.writeNewObject(Record::kArchiveClass);
        record.store(ar);
    }
}

// Replaces the records with those read. Nothing is reserved from the count:
// memory grows with the records actually read, never with a count alone.
template <class Record>
void loadObjectArray(ArchiveReader &ar, std::vector<Record> &records, const char *what) {
    records.clear();
    const std::uint32_t count = ar.readCount(kMinTaggedObjectBytes);
    for (std::uint32_t i = 0; i < count && ar.ok(); ++i) {
        ArchiveReader::Scope scope(ar, what, i);
        if (!ar.readNewObject(Record::kArchiveClass)) return;
        Record record;
        record.load(ar);
        if (!ar.ok()) return;
        records.push_back(std::move(record));
    }
}

}  // namespace quillet::model
