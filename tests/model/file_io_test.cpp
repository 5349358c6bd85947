// Whole-file reading and the atomic save: a save that fails part-way leaves
// the previous file exactly as it was and no temporary file behind.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>

#include "file_io.h"

namespace quillet::model {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class AtomicSave : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("quillet-save-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string path(const char *name) const { return (folder_ / name).string(); }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator{}));
    }

    fs::path folder_;
};

Bytes contentOf(const std::string &path) {
    auto read = readWholeFile(path);
    EXPECT_TRUE(read.ok()) << read.error().text();
    return read.ok() ? read.value() : Bytes{};
}

TEST_F(AtomicSave, CreatesAndReplaces) {
    const std::string target = path("doc.nrm");
    ASSERT_TRUE(writeFileAtomically(target, Bytes{1, 2, 3}).ok());
    EXPECT_EQ(contentOf(target), (Bytes{1, 2, 3}));
    ::chmod(target.c_str(), 0600);
    ASSERT_TRUE(writeFileAtomically(target, Bytes{4}).ok());
    EXPECT_EQ(contentOf(target), Bytes{4});
    EXPECT_EQ(entries(), 1u) << "no temporary file left";
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << "the replaced file's permissions stay";
}

TEST_F(AtomicSave, WriteFailureKeepsThePreviousFile) {
    const std::string target = path("doc.frt");
    ASSERT_TRUE(writeFileAtomically(target, Bytes{9, 9}).ok());
    // A file-size limit makes the write fail part-way, as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const SaveResult result = writeFileAtomically(target, Bytes(5000, 7));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.error().text().find("doc.frt: cannot write the file"), std::string::npos)
        << result.error().text();
    EXPECT_EQ(contentOf(target), (Bytes{9, 9}));
    EXPECT_EQ(entries(), 1u) << "the temporary file is removed";
}

TEST_F(AtomicSave, RenameFailureKeepsTheTarget) {
    const std::string target = path("taken");
    fs::create_directory(target);  // a folder cannot be replaced by a file
    fs::create_directory(folder_ / "taken" / "inside");
    const SaveResult result = writeFileAtomically(target, Bytes{1});
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.error().text().find("cannot replace the file"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(folder_ / "taken" / "inside"));
    EXPECT_EQ(entries(), 1u);
}

TEST_F(AtomicSave, MissingFolderCreatesNothing) {
    const SaveResult result = writeFileAtomically(path("no/such/doc.tat"), Bytes{1});
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.error().text().find("cannot create a temporary file"), std::string::npos);
    EXPECT_EQ(entries(), 0u);
}

TEST_F(AtomicSave, ReadingRefusesWhatIsNotADocumentFile) {
    EXPECT_FALSE(readWholeFile(path("missing")).ok());
    const auto folder = readWholeFile(folder_.string());
    ASSERT_FALSE(folder.ok());
    EXPECT_NE(folder.error().text().find("not a regular file"), std::string::npos);
}

// A FIFO given as a document is refused at once: opening it used to wait
// for a writer that never came.
TEST_F(AtomicSave, ReadingRefusesAFifoWithoutWaitingForAWriter) {
    const std::string fifo = path("pipe.tat");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto read = readWholeFile(fifo);
    ASSERT_FALSE(read.ok());
    EXPECT_NE(read.error().text().find("not a regular file"), std::string::npos);
}

// A large file refused by its first bytes is never read whole.
TEST_F(AtomicSave, AStartRefusedCostsNoMemory) {
    const std::string big = path("big.tat");
    {
        std::ofstream(big) << "not a document";
    }
    ASSERT_EQ(::truncate(big.c_str(), static_cast<off_t>(kMaxDocumentBytes)), 0);  // sparse
    struct rusage before {};
    ::getrusage(RUSAGE_SELF, &before);
    std::size_t seen = 0;
    const auto read = readWholeFile(big, [&](std::span<const std::uint8_t> first) -> std::optional<FileError> {
        seen = first.size();
        return FileError{big, "no header", std::nullopt, {}};
    });
    struct rusage after {};
    ::getrusage(RUSAGE_SELF, &after);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(seen, kStartCheckBytes);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 64 * 1024) << "kB of peak memory grown";
}

// SIGTERM in the middle of a save removes the temporary file.
TEST_F(AtomicSave, TerminationDuringTheSaveLeavesNoTemporaryFile) {
    const std::string target = path("doc.tat");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const std::string temporary = temporaryFileOf(target, static_cast<long>(::getpid()));
        std::thread stopper([&] {
            struct stat info {};
            while (::stat(temporary.c_str(), &info) != 0) {}
            ::kill(::getpid(), SIGTERM);
        });
        stopper.detach();
        (void)writeFileAtomically(target, Bytes(256u << 20, 7));
        ::_exit(0);  // the signal came too late: the test sees no SIGTERM
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    EXPECT_EQ(entries(), 0u) << "neither the target nor a temporary file";
}

// A temporary file left by a killed save of the same target is replaced;
// one of a save still running elsewhere is left alone.
TEST_F(AtomicSave, LeftoversOfKilledSavesAreRemoved) {
    const std::string target = path("doc.tat");
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    const std::string leftover = temporaryFileOf(target, gone);
    const std::string running = temporaryFileOf(target, 1);
    std::ofstream(leftover) << "half a document";
    std::ofstream(running) << "being written";
    EXPECT_NE(leftover.find("doc.tat"), std::string::npos);
    ASSERT_TRUE(writeFileAtomically(target, Bytes{1}).ok());
    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_TRUE(fs::exists(running));
    EXPECT_EQ(contentOf(target), Bytes{1});
}

}  // namespace
}  // namespace quillet::model
