#include "firmware_reader.h"

#include <system_error>

namespace rivo {

bool FirmwareReader::open(const std::filesystem::path &path)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return false;
    file_.open(path, std::ios::binary);
    size_ = file_ ? std::filesystem::file_size(path, error) : 0;
    return file_.is_open() && !error;
}

std::optional<std::string> FirmwareReader::next()
{
    std::string piece;
    char c = 0;
    while (piece.size() < kMaxPiece && file_.get(c)) {
        piece += c;
        if (c == '\n')
            break;
    }
    if (piece.empty())
        return std::nullopt;
    return piece;
}

}  // namespace rivo
