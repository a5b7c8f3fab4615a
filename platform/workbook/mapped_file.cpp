#include "platform/workbook/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/runtime/number_text.h"
#include "platform/workbook/file_faults.h"

namespace xl::detail {

namespace {

[[noreturn]] void RefuseOpen(const std::string& path, int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR: RefuseRead(path, "ファイルがありません", "ファイル名と場所を確かめてください。");
    case EACCES:
    case EPERM: RefuseRead(path, "読み込みが許されていません", "読み込めるファイルを選んでください。");
    default:
        RefuseRead(path, "ファイルを開けません (エラー番号 " + rt::CStr(error) + ")",
                   "ファイルの場所を確かめて、開き直してください。");
    }
}

} // namespace

MappedFile::MappedFile(const std::string& path, std::size_t maxSize) {
    // Not blocking, so that a pipe chosen by mistake is refused rather than waited on.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) RefuseOpen(path, errno);
    struct stat info {};
    int statError = ::fstat(fd, &info) != 0 ? errno : 0;
    if (statError != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        if (statError != 0) RefuseOpen(path, statError);
        if (S_ISDIR(info.st_mode)) RefuseRead(path, "これはフォルダーです", kChooseWorkbook);
        RefuseRead(path, "普通のファイルではありません", kChooseWorkbook);
    }
    if (static_cast<std::uintmax_t>(info.st_size) > maxSize) {
        ::close(fd);
        RefuseRead(path, "ファイルが大きすぎます (" + rt::CStr(static_cast<long long>(maxSize >> 20)) + " MB まで)",
                   kChooseWorkbook);
    }
    size_ = static_cast<std::size_t>(info.st_size);
    if (size_ > 0) {
        void* data = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        int error = errno;
        ::close(fd);
        if (data == MAP_FAILED) RefuseOpen(path, error);
        data_ = static_cast<const std::uint8_t*>(data);
    } else {
        ::close(fd);
    }
}

MappedFile::~MappedFile() {
    if (data_) ::munmap(const_cast<std::uint8_t*>(data_), size_);
}

} // namespace xl::detail
