#pragma once
// Excel 97-2003 workbook files: BIFF8 records in the "Workbook" stream of an OLE2 compound file.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/workbook/sheet_content.h"

namespace xl::detail {

// Writes the sheets to `path` through a temporary file of its own beside it (or beside the file
// a symbolic link at `path` leads to), flushed to the disk before it replaces the file: a failed
// save, or a power cut, leaves either the earlier file or the new one. Raises 1004 naming the
// file when it cannot be written.
void WriteXlsFile(const std::string& path, const std::vector<const SheetContent*>& sheets, int activeSheet);

// Reads a workbook file, then removes the temporary files that stopped saves of it left. Raises
// 1004 naming the file and what is wrong with it.
BookContent ReadXlsFile(const std::string& path);

// The same from the bytes of a file; `fileName` is used in messages.
BookContent ReadXlsBytes(std::span<const std::uint8_t> bytes, const std::string& fileName);

} // namespace xl::detail
