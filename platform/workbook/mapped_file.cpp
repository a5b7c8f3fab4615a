#include "platform/workbook/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/runtime/error.h"

namespace xl::detail {

MappedFile::MappedFile(const std::string& path) {
    auto fail = [&](const std::string& what) {
        rt::Raise(rt::errApplication, "cannot read \"" + path + "\": " + what);
    };
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) fail(std::strerror(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        fail("no such file");
    }
    size_ = static_cast<std::size_t>(info.st_size);
    if (size_ > 0) {
        void* data = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        int error = errno;
        ::close(fd);
        if (data == MAP_FAILED) fail(std::strerror(error));
        data_ = static_cast<const std::uint8_t*>(data);
    } else {
        ::close(fd);
    }
}

MappedFile::~MappedFile() {
    if (data_) ::munmap(const_cast<std::uint8_t*>(data_), size_);
}

} // namespace xl::detail
