#include "platform/workbook/xls_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/workbook/compound_file.h"
#include "platform/workbook/file_faults.h"
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
constexpr std::size_t kMaxNameBytes = 255;
constexpr std::string_view kTemporarySuffix = ".saving";

// The file a save writes first, beside `path`: its name with a suffix, cut short (at a whole
// UTF-8 character) when the name leaves no room for it.
std::filesystem::path TemporaryFor(const std::filesystem::path& path) {
    std::string name = path.filename().string();
    std::size_t room = kMaxNameBytes - kTemporarySuffix.size();
    if (name.size() > room) {
        name.resize(room);
        while (!name.empty() && (static_cast<unsigned char>(name.back()) & 0xC0) == 0x80) name.pop_back();
        if (!name.empty() && (static_cast<unsigned char>(name.back()) & 0x80)) name.pop_back();
    }
    return path.parent_path() / (name + std::string(kTemporarySuffix));
}

// Refuses, before anything is written, a name the system cannot store and a place that
// cannot take the file, with the reason the system gives.
void CheckSavePlace(const std::string& path, const std::filesystem::path& temporary) {
    if (std::filesystem::path(path).filename().string().size() > kMaxNameBytes) RefuseSaveForErrno(path, ENAMETOOLONG);
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) RefuseSaveForErrno(path, EISDIR);
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) RefuseSaveForErrno(path, errno);
    ::close(fd);
}

// Flushes the folder's entries, so that the file renamed in it stays renamed after a power
// cut. The file is in place already: a folder that cannot be flushed is no failed save.
void FlushFolder(const std::filesystem::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Removes the temporary file of a save that was stopped before it could put the file in place.
void RemoveLeftOver(const std::filesystem::path& temporary) {
    std::error_code ec;
    if (std::filesystem::symlink_status(temporary, ec).type() == std::filesystem::file_type::regular)
        std::filesystem::remove(temporary, ec);
}

} // namespace

void WriteXlsFile(const std::string& path, const std::vector<const SheetContent*>& sheets, int activeSheet) {
    const std::filesystem::path temporary = TemporaryFor(path);
    CheckSavePlace(path, temporary);
    try {
        WriteCompoundFile(temporary.string(), path, kStreamName, [&](const ByteSink& write) {
            std::size_t size = WriteWorkbookStream(sheets, activeSheet, write);
            if (size < kMinStreamSize) write(std::vector<std::uint8_t>(kMinStreamSize - size, 0));
        });
    } catch (...) {
        std::remove(temporary.c_str());
        throw;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        int error = errno;
        std::remove(temporary.c_str());
        RefuseSaveForErrno(path, error);
    }
    FlushFolder(temporary.parent_path());
}

BookContent ReadXlsFile(const std::string& path) {
    MappedFile file(path, kMaxFileSize);
    BookContent book = ReadXlsBytes(file.Bytes(), path);
    RemoveLeftOver(TemporaryFor(path));
    return book;
}

BookContent ReadXlsBytes(std::span<const std::uint8_t> bytes, const std::string& fileName) {
    BookContent book;
    ReadCompoundStream(bytes, kStreamName, fileName,
                       [&](std::span<const std::uint8_t> stream) { book = ParseWorkbookStream(stream, fileName); });
    return book;
}

} // namespace xl::detail
