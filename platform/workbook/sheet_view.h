#pragma once
// The bridge from the automation objects to the Qt sheet window, without Qt types: the
// window exists only while the application and the active workbook's window are visible and
// a QApplication runs.
#include <memory>

namespace xl::detail {

struct AppState;

// Opens, refreshes or closes the sheet window to match the application's visibility.
void UpdateSheetWindow(const std::shared_ptr<AppState>& app);

} // namespace xl::detail
