#include "platform/workbook/xls_file.h"

#include "platform/workbook/compound_file.h"
#include "platform/workbook/document_save.h"
#include "platform/workbook/mapped_file.h"
#include "platform/workbook/xls_reader.h"
#include "platform/workbook/xls_writer.h"

namespace xl::detail {

namespace {
constexpr const char* kStreamName = "Workbook";
// Short streams would go into the compound file's mini stream, which some readers of
// workbooks do not expect; the stream is padded to the regular sector threshold.
constexpr std::size_t kMinStreamSize = 4096;
constexpr std::size_t kMaxFileSize = std::size_t{1} << 30;
} // namespace

void WriteXlsFile(const std::string& path, const std::vector<const SheetContent*>& sheets, int activeSheet) {
    DocumentSave save(path);
    WriteCompoundFile(save.Descriptor(), path, kStreamName, [&](const ByteSink& write) {
        std::size_t size = WriteWorkbookStream(sheets, activeSheet, write);
        if (size < kMinStreamSize) write(std::vector<std::uint8_t>(kMinStreamSize - size, 0));
    });
    save.Commit();
    RemoveStoppedSaves(path);
}

BookContent ReadXlsFile(const std::string& path) {
    MappedFile file(path, kMaxFileSize);
    BookContent book = ReadXlsBytes(file.Bytes(), path);
    RemoveStoppedSaves(path);
    return book;
}

BookContent ReadXlsBytes(std::span<const std::uint8_t> bytes, const std::string& fileName) {
    BookContent book;
    ReadCompoundStream(bytes, kStreamName, fileName,
                       [&](std::span<const std::uint8_t> stream) { book = ParseWorkbookStream(stream, fileName); });
    return book;
}

} // namespace xl::detail
