#include "vantor/shell/lifecycle/document_lifecycle.h"

#include "platform/forms/msgbox.h"
#include "platform/runtime/error.h"
#include "platform/workbook/workbook.h"
#include "vantor/geometry/alignment/keisanip.h"
#include "vantor/geometry/grid/hyoujitate.h"
#include "vantor/geometry/grid/入出力画面.h"
#include "vantor/geometry/profile/keisantate.h"
#include "vantor/geometry/profile/警告表示画面.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/document.h"
#include "vantor/model/sheet_messages.h"
#include "vantor/model/sheets/coordinate_sheet.h"
#include "vantor/model/sheets/cross_slope_sheet.h"
#include "vantor/model/sheets/ip_sheet.h"
#include "vantor/model/sheets/section_point_sheets.h"
#include "vantor/model/sheets/shoulder_sheet.h"
#include "vantor/shell/lifecycle/document_state.h"
#include "vantor/shell/lifecycle/failure_reason.h"
#include "vantor/shell/lifecycle/file_checks.h"
#include "vantor/shell/lifecycle/file_dialog.h"
#include "vantor/shell/lifecycle/lifecycle_messages.h"
#include "vantor/shell/lifecycle/main_window_states.h"
#include "vantor/shell/lifecycle/profile_rows.h"
#include "vantor/shell/待表示.h"

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>

namespace 縦断bus {

namespace {

struct ReadStep {
    const char* what; // named in the message when the step fails
    void (*run)();
};

// The sheets read and the results computed, in order.
constexpr ReadStep kReadSteps[] = {
    {"縦断ｼｰﾄの読み込み", ReadProfileRows},
    {"縦断の計算", [] { keisantate(); }},
    {"横断ｼｰﾄの読み込み", ReadCrossSlopeNumbers},
    {"横断ｼｰﾄの読み込み", yomikomiyokomei},
    {"ＩＰ座標入力の読み込み", yomikomiip},
    {"路肩ｼｰﾄの読み込み", yomikomirokata},
    {"平面線形の計算", keisanip},
    {"現況横断ｼｰﾄの読み込み", yomikomigenkyou},
    {"切盛ﾗｲﾝ入力ｼｰﾄの読み込み", yomikomikirimori},
    {"座標値ｼｰﾄの読み込み", ReadReferencePoints},
};

std::string DefaultFolder() {
    const char* home = std::getenv("HOME");
    return home ? home : "";
}

// The workbook's path, or the empty text when there is none or it has already gone.
std::string PathOf(const std::shared_ptr<xl::Workbook>& book) {
    if (!book) return {};
    try {
        return book->FullName();
    } catch (const rt::Error&) {
        return {};
    }
}

bool SameWorkbook(const std::shared_ptr<xl::Workbook>& a, const std::shared_ptr<xl::Workbook>& b) {
    const std::string path = PathOf(a);
    return !path.empty() && path == PathOf(b);
}

// True when `path` names the file of the held workbook.
bool IsHeldFile(const std::string& path) {
    const std::string held = PathOf(xlbook);
    std::error_code ec;
    return !held.empty() && std::filesystem::equivalent(path, held, ec);
}

// Lets go of the held workbook so that the file is read from disk, not from what is held.
// Unsaved changes are dropped only when the user agrees. False when Open is to stop.
bool LetGoOfHeldFile(const std::string& path) {
    if (!xlbook->Saved() && lifecycle_messages::AskReopenDroppingChanges(path) != forms::vbYes) return false;
    xlbook->Close();
    return true;
}

// Binds `path` and reads the whole document from it into fresh tables, holding it as the
// document workbook. Raises at the first step that fails; `step` then names it.
void ReadDocument(const std::string& path, const char*& step) {
    step = lifecycle_messages::kFileStep.data();
    auto book = xl::GetObject(path);
    xlbook = book;
    xlsheets = book->Worksheets();

    待表示& wait = forms::Get<待表示>();
    wait.ShowState("しばらくお待ちください・・", true);
    wait.休み.SetCaption("読み込みチューです。");
    xlbook->Parent()->Windows(1)->SetVisible(true);

    ClearDocumentTables();
    for (const ReadStep& s : kReadSteps) {
        step = s.what;
        s.run();
    }
}

} // namespace

void hiraku() {
    const auto path = ChooseFile(FileDialogKind::Open, DefaultFolder());
    if (!path) return;
    if (const auto refusal = OpenRefusal(*path)) {
        sheet_messages::Tell(*refusal);
        return;
    }
    const bool reopening = HasDocument() && IsHeldFile(*path);
    if (reopening && !LetGoOfHeldFile(*path)) return;
    if (!reopening && !MayLetGoOfChanges(lifecycle_messages::kOpeningAnother)) return;

    const DocumentState before = DocumentState::Capture();
    const MainWindowStates menus = MainWindowStates::Capture();
    const auto previous = xlbook;
    const bool previousFromOpen = xlshuuryouflg == -1;
    const char* step = "";
    try {
        ReadDocument(*path, step);
    } catch (const std::exception& e) {
        // Let go of what this Open bound, unless it is the workbook already held.
        if (!PathOf(xlbook).empty() && !SameWorkbook(xlbook, previous)) xlbook->Close();
        before.Restore();
        menus.Restore();
        // The workbook let go of for reading the file again is gone: its tables stay, unbound.
        if (reopening) {
            ReleaseDocument();
            bukkujoutai = 0;
            xlshuuryouflg = 0;
        }
        forms::Get<待表示>().Hide();
        lifecycle_messages::TellOpenFailed(*path, step, FailureReason(e), !reopening);
        return;
    }
    if (previousFromOpen && !PathOf(previous).empty() && !SameWorkbook(previous, xlbook)) previous->Close();

    // What Open wrote into the workbook (the alignment's results) comes from the file itself.
    xlbook->SetSaved(true);
    fairumei = *path;
    hirakuflg = 1;
    bukkujoutai = 2;
    xlshuuryouflg = -1;
    ++documentNumber;
    hyoujitate();
    forms::Get<入出力画面>().Show();
    forms::Get<待表示>().Hide();
    EnableAfterOpen();
    TellProfileStopped();
}

} // namespace 縦断bus
