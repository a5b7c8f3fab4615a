#include "platform/workbook/compound_file.h"

#include <gsf/gsf.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "platform/workbook/file_faults.h"

namespace xl::detail {

namespace {

void InitGsf() {
    static bool done = [] {
        gsf_init();
        // Damaged files make the library complain on the console; the fault is reported to
        // the caller instead.
        for (const char* domain : {"libgsf:msole", "libgsf"})
            g_log_set_handler(
                domain, GLogLevelFlags(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING),
                [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr);
        return true;
    }();
    (void)done;
}

struct Unref {
    void operator()(void* object) const {
        if (object) g_object_unref(object);
    }
};
template <class T>
using GPtr = std::unique_ptr<T, Unref>;

std::string Message(GError* error) {
    std::string text = error && error->message ? error->message : "unknown fault";
    if (error) g_error_free(error);
    return text;
}

} // namespace

void ReadCompoundStream(std::span<const std::uint8_t> file, const char* streamName, const std::string& fileName,
                        const ByteSink& use) {
    InitGsf();
    GPtr<GsfInput> input(gsf_input_memory_new(file.data(), static_cast<gsf_off_t>(file.size()), FALSE));
    GError* error = nullptr;
    GPtr<GsfInfile> ole(gsf_infile_msole_new(input.get(), &error));
    if (!ole) {
        Message(error);
        RefuseRead(fileName, "Excel 97-2003 形式のブックではありません (OLE2 の複合ファイルでないか、壊れています)",
                   kChooseWorkbook);
    }
    GPtr<GsfInput> stream(gsf_infile_child_by_name(ole.get(), streamName));
    if (!stream) {
        if (GPtr<GsfInput> old{gsf_infile_child_by_name(ole.get(), "Book")})
            RefuseRead(fileName, "Excel 97 より前の形式のブックは読めません",
                       "表計算ソフトで Excel 97-2003 形式 (.xls) に保存し直してください。");
        RefuseRead(fileName, std::string("複合ファイルに \"") + streamName + "\" ストリームがありません",
                   kChooseWorkbook);
    }
    gsf_off_t size = gsf_input_size(stream.get());
    if (size < 0 || static_cast<std::uint64_t>(size) > file.size())
        RefuseRead(fileName, "ブックのストリームがファイルより大きくなっています", kResaveWorkbook);
    // Without a buffer of ours the library hands out the bytes in place, or its own copy when
    // the stream's sectors lie apart.
    const guint8* bytes = size > 0 ? gsf_input_read(stream.get(), static_cast<std::size_t>(size), nullptr) : nullptr;
    if (size > 0 && !bytes)
        RefuseRead(fileName, "ブックのストリームを最後まで読めません (ファイルが壊れているか、途中で切れています)",
                   kResaveWorkbook);
    use({bytes, static_cast<std::size_t>(size)});
}

void WriteCompoundFile(int fd, const std::string& fileName, const char* streamName,
                       const std::function<void(const ByteSink&)>& fill) {
    InitGsf();
    // The library writes (and seeks back to fill in the header) through a stream of ours over
    // `fd`, which keeps the error number of the first failed write: the library's own report of
    // it has lost it.
    struct Target {
        int fd;
        int error = 0;
    } target{fd};
    cookie_io_functions_t io{};
    io.write = [](void* cookie, const char* data, std::size_t size) -> ssize_t {
        auto* t = static_cast<Target*>(cookie);
        std::size_t done = 0;
        while (t->error == 0 && done < size) {
            ssize_t n = ::write(t->fd, data + done, size - done);
            if (n > 0) done += static_cast<std::size_t>(n);
            else if (n < 0 && errno == EINTR) continue;
            else t->error = n < 0 ? errno : EIO;
        }
        return t->error == 0 ? static_cast<ssize_t>(size) : -1;
    };
    io.seek = [](void* cookie, off64_t* offset, int whence) {
        off_t at = ::lseek(static_cast<Target*>(cookie)->fd, *offset, whence);
        if (at < 0) return -1;
        *offset = at;
        return 0;
    };
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(::fopencookie(&target, "wb", io), std::fclose);
    if (!file) RefuseSaveForErrno(fileName, errno);
    bool ok = true;
    {
        GPtr<GsfOutput> sink(gsf_output_stdio_new_FILE(fileName.c_str(), file.get(), TRUE));
        GPtr<GsfOutfile> ole(gsf_outfile_msole_new(sink.get()));
        GPtr<GsfOutput> child(gsf_outfile_new_child(ole.get(), streamName, FALSE));
        ok = child != nullptr;
        if (ok)
            fill([&](std::span<const std::uint8_t> bytes) {
                ok = ok && gsf_output_write(child.get(), bytes.size(), bytes.data());
            });
        ok = child && gsf_output_close(child.get()) && ok;
        ok = gsf_output_close(GSF_OUTPUT(ole.get())) && ok;
        if (!gsf_output_is_closed(sink.get())) ok = gsf_output_close(sink.get()) && ok;
    }
    ok = std::fclose(file.release()) == 0 && ok;
    if (target.error == 0 && ::fsync(fd) != 0) target.error = errno;
    if (target.error != 0) RefuseSaveForErrno(fileName, target.error);
    if (!ok) RefuseSave(fileName, "書き込みに失敗しました", "ディスクの空きと保存先を確かめて、保存し直してください。");
}

} // namespace xl::detail
