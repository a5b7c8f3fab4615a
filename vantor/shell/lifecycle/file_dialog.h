#pragma once
// The main window's file dialog as Open and Save use it.
#include <optional>
#include <string>

namespace 縦断bus {

enum class FileDialogKind { Open, Save };

// Shows the dialog for workbook files and returns the chosen path. A cancelled dialog, or
// one that returns no name, tells the user so and gives nothing. A save name without an
// extension gets ".xls".
std::optional<std::string> ChooseFile(FileDialogKind kind, const std::string& initialFolder = {});

} // namespace 縦断bus
