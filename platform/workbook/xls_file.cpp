#include "platform/workbook/xls_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/runtime/error.h"
#include "platform/workbook/compound_file.h"
#include "platform/workbook/xls_reader.h"
#include "platform/workbook/xls_writer.h"

namespace xl::detail {

namespace {
constexpr const char* kStreamName = "Workbook";
// Short streams would go into the compound file's mini stream, which some readers of
// workbooks do not expect; the stream is padded to the regular sector threshold.
constexpr std::size_t kMinStreamSize = 4096;
constexpr std::uintmax_t kMaxFileSize = 1u << 30;
} // namespace

void WriteXlsFile(const std::string& path, const std::vector<const SheetContent*>& sheets,
                  int activeSheet) {
    std::vector<std::uint8_t> stream = BuildWorkbookStream(sheets, activeSheet);
    if (stream.size() < kMinStreamSize) stream.resize(kMinStreamSize, 0);
    std::string temporary = path + ".saving";
    try {
        WriteCompoundFile(temporary, kStreamName, stream);
    } catch (...) {
        std::remove(temporary.c_str());
        throw;
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::remove(temporary.c_str());
        rt::Raise(rt::errApplication, "cannot save \"" + path + "\": " + ec.message());
    }
}

BookContent ReadXlsFile(const std::string& path) {
    auto fail = [&](const std::string& what) {
        rt::Raise(rt::errApplication, "cannot read \"" + path + "\": " + what);
    };
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) fail("no such file");
    auto size = std::filesystem::file_size(path, ec);
    if (ec) fail(ec.message());
    if (size > kMaxFileSize) fail("the file is larger than 1 GB");
    std::ifstream in(path, std::ios::binary);
    if (!in) fail("the file cannot be opened");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)))
        fail("the file cannot be read");
    return ReadXlsBytes(bytes, path);
}

BookContent ReadXlsBytes(std::span<const std::uint8_t> bytes, const std::string& fileName) {
    std::vector<std::uint8_t> stream = ReadCompoundStream(bytes, kStreamName, fileName);
    return ParseWorkbookStream(stream, fileName);
}

} // namespace xl::detail
