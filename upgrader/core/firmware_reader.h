// Reading a firmware file the way the upgrader always has: pieces of at most
// 254 characters, each ending at a line feed (kept) or at that length.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace rivo {

class FirmwareReader {
public:
    static constexpr std::size_t kMaxPiece = 254;

    bool open(const std::filesystem::path &path);
    // The next piece, or nothing at the end of the file.
    std::optional<std::string> next();
    std::uintmax_t size() const { return size_; }

private:
    std::ifstream file_;
    std::uintmax_t size_ = 0;
};

}  // namespace rivo
