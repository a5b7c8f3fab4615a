#pragma once
// Everything Open replaces: the held workbook, the workbook state and every table read from
// the sheets or computed from them. Open keeps a copy so that a file it cannot read
// completely leaves the previous document exactly as it was.
#include <memory>

namespace 縦断bus {

class DocumentState {
public:
    // A copy of the current document.
    static DocumentState Capture();
    // Puts the copy back.
    void Restore() const;

    DocumentState(DocumentState&&) noexcept;
    DocumentState& operator=(DocumentState&&) noexcept;
    ~DocumentState();

private:
    struct Copy;
    explicit DocumentState(std::unique_ptr<Copy> copy);
    std::unique_ptr<Copy> copy_;
};

// Empties the tables a document is read into: before Open reads, so that nothing of the
// previous document mixes with the one being read, and for the new workbook of New.
void ClearDocumentTables();

} // namespace 縦断bus
