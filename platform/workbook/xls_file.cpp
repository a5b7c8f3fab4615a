#include "platform/workbook/xls_file.h"

#include <cstdio>
#include <filesystem>

#include "platform/runtime/error.h"
#include "platform/workbook/compound_file.h"
#include "platform/workbook/mapped_file.h"
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
    std::string temporary = path + ".saving";
    try {
        WriteCompoundFile(temporary, kStreamName, [&](const ByteSink& write) {
            std::size_t size = WriteWorkbookStream(sheets, activeSheet, write);
            if (size < kMinStreamSize) write(std::vector<std::uint8_t>(kMinStreamSize - size, 0));
        });
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
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        rt::Raise(rt::errApplication, "cannot read \"" + path + "\": no such file");
    MappedFile file(path);
    if (file.Bytes().size() > kMaxFileSize)
        rt::Raise(rt::errApplication, "cannot read \"" + path + "\": the file is larger than 1 GB");
    return ReadXlsBytes(file.Bytes(), path);
}

BookContent ReadXlsBytes(std::span<const std::uint8_t> bytes, const std::string& fileName) {
    BookContent book;
    ReadCompoundStream(bytes, kStreamName, fileName,
                       [&](std::span<const std::uint8_t> stream) { book = ParseWorkbookStream(stream, fileName); });
    return book;
}

} // namespace xl::detail
