#include "vantor/shell/lifecycle/document_lifecycle.h"

#include "vantor/geometry/grid/hyoujitate.h"
#include "vantor/geometry/profile/keisantate.h"
#include "vantor/geometry/grid/入出力画面.h"
#include "vantor/geometry/profile/警告表示画面.h"
#include "vantor/model/document.h"
#include "vantor/shell/lifecycle/failure_reason.h"
#include "vantor/shell/lifecycle/lifecycle_messages.h"
#include "vantor/shell/lifecycle/profile_rows.h"
#include "vantor/model/sheet_messages.h"
#include "vantor/shell/待表示.h"

#include <exception>

namespace 縦断bus {

void yomikomi() {
    if (!HasDocument()) {
        sheet_messages::Tell(sheet_messages::kNoWorkbook);
        return;
    }
    待表示& wait = forms::Get<待表示>();
    wait.ShowState("しばらくお待ちください・・", true);
    try {
        xlbook->Parent()->Windows(1)->SetVisible(true);
        ReadProfileRows();
    } catch (const std::exception& e) {
        forms::Unload<待表示>();
        lifecycle_messages::TellReloadFailed(FailureReason(e));
        return;
    }
    wait.ShowState("お待たせしました・・", false);
    keisantate();
    hyoujitate();
    forms::Get<入出力画面>().Show();
    forms::Unload<待表示>();
    TellProfileStopped();
}

} // namespace 縦断bus
