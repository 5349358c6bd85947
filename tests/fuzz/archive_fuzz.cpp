// libFuzzer target: any bytes, read as each kind of document file (sites,
// plugs and curves included) and as a bare array of plugs. Reading must
// never crash, leak or take memory out of proportion to the input; a
// document that reads must store, read back and store again to the same
// bytes.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "archive_reader.h"
#include "autotest_file.h"
#include "document_header.h"
#include "graph_file.h"
#include "norm_file.h"
#include "object_array.h"
#include "prise.h"
#include "site.h"

namespace {

using namespace quillet::model;
using Bytes = std::vector<std::uint8_t>;

void require(bool condition) {
    if (!condition) __builtin_trap();
}

// Every field is stored, so a second store equal to the first means the
// records read back equal, bit for bit (NaN values included).
template <class Read, class Encode>
void roundTrip(std::span<const std::uint8_t> input, Read read, Encode encode) {
    auto first = read(input);
    if (!first.ok()) {
        require(!first.error().text().empty());
        return;
    }
    const Bytes stored = encode(first.value());
    auto second = read(stored);
    require(second.ok());
    require(encode(second.value()) == stored);
}

// A bare array of plugs at a revision chosen by the first byte.
void readPlugs(std::span<const std::uint8_t> input) {
    static const char *const kRevisions[] = {"D.06", "A.05", "A.08", "Z.20", "Z.27", "C.99", ""};
    if (input.empty()) return;
    ArchiveReader ar(input.subspan(1));
    ar.setRevision(kRevisions[input[0] % std::size(kRevisions)]);
    std::vector<CPrise> plugs;
    loadObjectArray(ar, plugs, "plugs");
    require(ar.ok() || !ar.fault().what.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    const std::string path = "fuzz-input";
    (void)documentKindOf(input, path);
    (void)readAutotestPreview(input, path);
    roundTrip(input, [&](auto bytes) { return readNormFile(bytes, path); }, encodeNormFile);
    roundTrip(input, [&](auto bytes) { return readGraphFile(bytes, path); }, encodeGraphFile);
    roundTrip(input, [&](auto bytes) { return readAutotestFile<CSite>(bytes, path); },
              [](const AutotestFile<CSite> &f) { return encodeAutotestFile(f); });
    readPlugs(input);
    return 0;
}
