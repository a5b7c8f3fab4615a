#pragma once
// Replacing a document on the disk: the new content goes into a temporary file of this save's
// own beside the document, which then takes the document's place in one rename. A save never
// writes through, waits on or removes a file it did not create.
#include <sys/types.h>

#include <filesystem>
#include <string>

namespace xl::detail {

class DocumentSave {
public:
    // Refuses (1004 naming `path`), before anything is written, a name the system cannot store,
    // a folder, a pipe or device, and a document the user may not write. A symbolic link is
    // followed: the file it leads to is replaced and the link kept. Then makes the temporary
    // file, with the document's permissions and group.
    explicit DocumentSave(const std::string& path);
    // Removes the temporary file unless it took the document's place.
    ~DocumentSave();
    DocumentSave(const DocumentSave&) = delete;
    DocumentSave& operator=(const DocumentSave&) = delete;

    // The temporary file, open for writing.
    int Descriptor() const { return fd_; }

    // Puts the temporary file, written and flushed, in the document's place and flushes the
    // folder. Raises 1004 naming the document when the rename fails.
    void Commit();

private:
    void Discard();

    std::string path_;                // the document's name as the user gave it
    std::filesystem::path target_;    // the file replaced: the document, or where its link leads
    std::filesystem::path temporary_; // this save's own file beside it
    int fd_ = -1;
    dev_t device_ = 0; // the temporary's identity, to tell it from anything put at its name
    ino_t inode_ = 0;
};

// Removes the temporary files that saves of `path` left when their process ended before they
// could finish; never the document, nor the file of a save still running.
void RemoveStoppedSaves(const std::string& path);

} // namespace xl::detail
