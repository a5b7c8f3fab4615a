#include "platform/workbook/sheet_view.h"

namespace xl::detail {

void UpdateSheetWindow(const std::shared_ptr<AppState>&) {}

} // namespace xl::detail
