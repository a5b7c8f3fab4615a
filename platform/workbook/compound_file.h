#pragma once
// OLE2 compound files through libgsf: one named stream in, one named stream out.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace xl::detail {

// The bytes of the stream `streamName` of the compound file held in `file`. Raises 1004
// naming `fileName` when the bytes are no compound file or the stream is missing.
std::vector<std::uint8_t> ReadCompoundStream(std::span<const std::uint8_t> file,
                                             const char* streamName, const std::string& fileName);

// Writes a compound file holding one stream to `path`. Raises 1004 when it cannot.
void WriteCompoundFile(const std::string& path, const char* streamName,
                       std::span<const std::uint8_t> stream);

} // namespace xl::detail
