// Outcomes of reading and writing document files. Nothing leaves the model
// as an exception: a failure is a FileError naming the file and the fault.
#pragma once

#include <cstddef>
#include <new>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace quillet::model {

struct FileError {
    std::string path;                   // the file as the caller named it
    std::string what;                   // what is wrong with it
    std::optional<std::size_t> offset;  // where in the file, when reading it
    std::string context;                // the records being read, if any

    // "path: what at byte N (in standards[2] > CNorm)"
    std::string text() const;
};

template <class T>
class Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(FileError error) : state_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }
    T &value() { return std::get<T>(state_); }
    const T &value() const { return std::get<T>(state_); }
    const FileError &error() const { return std::get<FileError>(state_); }

private:
    std::variant<T, FileError> state_;
};

struct Saved {};
using SaveResult = Result<Saved>;

// What `work` returns, or a FileError when memory ran out doing it: a file
// too large for the memory left is a message, never an abort.
template <class Work>
auto unlessOutOfMemory(const std::string &path, const char *doing, Work &&work) -> decltype(work()) {
    try {
        return work();
    } catch (const std::bad_alloc &) {
        return FileError{path, std::string("not enough memory to ") + doing, std::nullopt, {}};
    }
}

}  // namespace quillet::model
