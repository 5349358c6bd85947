// Running out of memory while reading or saving a document is a message,
// not an abort: the allocator of this test program refuses any single
// allocation above a limit the test sets, as a machine short of memory does.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>

#include "autotest_file.h"
#include "file_io.h"
#include "graph_file.h"
#include "site.h"

namespace {
std::size_t gLargestAllocation = 0;  // 0: no limit
}

void *operator new(std::size_t size) {
    if (gLargestAllocation != 0 && size > gLargestAllocation) throw std::bad_alloc();
    if (void *p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void *operator new[](std::size_t size) { return operator new(size); }
void operator delete(void *p) noexcept { std::free(p); }
void operator delete[](void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }
void operator delete[](void *p, std::size_t) noexcept { std::free(p); }

namespace quillet::model {
namespace {

namespace fs = std::filesystem;

class OutOfMemory : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("quillet-oom-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        gLargestAllocation = 0;
        fs::remove_all(folder_);
    }
    std::string path(const char *name) const { return (folder_ / name).string(); }

    // A document of many plugs, some megabytes long once stored.
    static AutotestFile<CSite> largeDocument() {
        AutotestFile<CSite> file;
        file.sites.resize(1);
        file.sites[0].plugs.resize(40000);
        return file;
    }

    fs::path folder_;
};

TEST_F(OutOfMemory, SavingIsRefusedAndWritesNothing) {
    const AutotestFile<CSite> file = largeDocument();
    gLargestAllocation = 1u << 20;
    const SaveResult saved = saveAutotestFile(path("big.tat"), file);
    gLargestAllocation = 0;
    ASSERT_FALSE(saved.ok());
    EXPECT_NE(saved.error().text().find("not enough memory"), std::string::npos) << saved.error().text();
    EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(OutOfMemory, ReadingAndLoadingAreRefused) {
    const std::string big = path("big.tat");
    ASSERT_TRUE(saveAutotestFile(big, largeDocument()).ok());
    gLargestAllocation = 1u << 20;
    const auto read = readWholeFile(big);
    const auto loaded = loadAutotestFile<CSite>(big);
    const auto graphs = loadGraphFile(big);
    gLargestAllocation = 0;
    ASSERT_FALSE(read.ok());
    EXPECT_NE(read.error().text().find("not enough memory"), std::string::npos) << read.error().text();
    ASSERT_FALSE(loaded.ok());
    EXPECT_NE(loaded.error().text().find("not enough memory"), std::string::npos) << loaded.error().text();
    EXPECT_FALSE(graphs.ok());
}

}  // namespace
}  // namespace quillet::model
