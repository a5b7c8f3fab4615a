#include "platform/workbook/xls_file.h"

#include "platform/runtime/error.h"

namespace xl::detail {

void WriteXlsFile(const std::string& path, const std::vector<const SheetContent*>&, int) {
    rt::Raise(rt::errApplication, "cannot save " + path + " yet");
}

BookContent ReadXlsFile(const std::string& path) {
    rt::Raise(rt::errApplication, "cannot read " + path + " yet");
}

BookContent ReadXlsBytes(std::span<const std::uint8_t>, const std::string& fileName) {
    rt::Raise(rt::errApplication, "cannot read " + fileName + " yet");
}

} // namespace xl::detail
