#pragma once
// OLE2 compound files through libgsf: one named stream in, one named stream out.
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace xl::detail {

using ByteSink = std::function<void(std::span<const std::uint8_t>)>;

// Hands the bytes of the stream `streamName` of the compound file held in `file` to `use`;
// they are valid during that call only (a stream lying in one piece is not copied). Raises
// 1004 naming `fileName` when the bytes are no compound file or the stream is missing.
void ReadCompoundStream(std::span<const std::uint8_t> file, const char* streamName, const std::string& fileName,
                        const ByteSink& use);

// Writes a compound file holding one stream into the open file `fd` (which stays open), flushed
// to the disk when this returns; `fill` writes the stream's bytes through the function it is
// given. Raises 1004 naming `fileName` when the file cannot be written, with the reason its
// error number gives (a full disk is told as such).
void WriteCompoundFile(int fd, const std::string& fileName, const char* streamName,
                       const std::function<void(const ByteSink&)>& fill);

} // namespace xl::detail
