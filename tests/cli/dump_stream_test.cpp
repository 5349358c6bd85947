// "dump" writes its JSON while walking the document (a whole document as
// JSON took about 18 times the file's size): the text is the same as the
// whole document's JSON with an indent of 2, for every kind of file.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "document_json.h"
#include "document_loading.h"

namespace quillet::cli {
namespace {

std::string streamed(const LoadedDocument &document) {
    char *buffer = nullptr;
    std::size_t size = 0;
    std::FILE *out = ::open_memstream(&buffer, &size);
    writeDocumentJson(out, document);
    std::fclose(out);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}

class DumpStream : public ::testing::TestWithParam<const char *> {};

TEST_P(DumpStream, WritesTheWholeDocumentsJson) {
    const auto document = loadDocument(std::string(QUILLET_CORPUS) + "/" + GetParam());
    ASSERT_TRUE(document.ok()) << document.error().text();
    EXPECT_EQ(streamed(document.value()), documentJson(document.value()).dump(2) + "\n");
}

INSTANTIATE_TEST_SUITE_P(Corpus, DumpStream,
                         ::testing::Values("autotest-sites-d06.tat", "autotest-empty-d06.tat", "autotest-z03.tat",
                                           "graphs-d06.frt", "graphs-d00.frt", "standards-d06.nrm",
                                           "standards-a05.nrm"));

}  // namespace
}  // namespace quillet::cli
