// libFuzzer target: the whole reading path (compound file, workbook stream, records) on
// arbitrary bytes. Faults must surface as rt::Error, never as a crash or a hang.
#include <cstddef>
#include <cstdint>

#include "platform/runtime/error.h"
#include "platform/workbook/xls_file.h"
#include "platform/workbook/xls_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::span<const std::uint8_t> bytes(data, size);
    try {
        xl::detail::ReadXlsBytes(bytes, "fuzz.xls");
    } catch (const rt::Error&) {}
    // The record layer alone, so that mutations reach it without a valid compound file.
    try {
        xl::detail::ParseWorkbookStream(bytes, "fuzz.xls");
    } catch (const rt::Error&) {}
    return 0;
}
