#pragma once
// A file mapped read-only into memory. Reading a workbook this way puts no copy of the file
// in freshly allocated memory, whose first touch is what costs most when opening one.
#include <cstdint>
#include <span>
#include <string>

namespace xl::detail {

class MappedFile {
public:
    // Raises 1004 naming the file when it is no regular file, is larger than `maxSize` bytes
    // (told before anything is read) or cannot be opened or mapped.
    MappedFile(const std::string& path, std::size_t maxSize);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::span<const std::uint8_t> Bytes() const { return {data_, size_}; }

private:
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

} // namespace xl::detail
