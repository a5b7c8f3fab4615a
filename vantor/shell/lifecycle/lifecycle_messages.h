#pragma once
// What the workbook commands tell the user.
#include <string>
#include <string_view>

namespace 縦断bus::lifecycle_messages {

inline constexpr std::string_view kCancelled = "キャンセルボタンが押されましたので戻ります。";
// Open's first step, binding the chosen file.
inline constexpr std::string_view kFileStep = "ファイルの読み込み";

// The file dialog was cancelled.
void TellCancelled();
// Opening `path` failed at `step` for `reason`. `documentKept`: the previous document is as it
// was; otherwise its workbook was let go of (reading its own file again) and only its tables stay.
void TellOpenFailed(const std::string& path, std::string_view step, const std::string& reason,
                    bool documentKept = true);
// Open chose the file of the held workbook, which has unsaved changes: vbYes drops them and
// reads the file again, vbNo keeps everything.
int AskReopenDroppingChanges(const std::string& path);
// Saving as `path` failed for `reason`; the document is as it was. An empty `path`: the
// failure came before a name was chosen.
void TellSaveFailed(const std::string& path, const std::string& reason);
// Reading the profile sheet again failed for `reason`.
void TellReloadFailed(const std::string& reason);
// What is about to let go of the document: its texts in the question about unsaved changes.
struct LettingGo {
    const char* before; // "終了する": ...する前に保存しますか
    const char* goesOn; // "終了します": 保存してから / 保存せずに ...
    const char* stays;  // "終了せずに": ... 作業を続けます
};
inline constexpr LettingGo kEnding{"終了する", "終了します", "終了せずに"};
inline constexpr LettingGo kMakingNew{"新規作成する", "新規作成します", "新規作成せずに"};
inline constexpr LettingGo kOpeningAnother{"別のファイルを開く", "開きます", "開かずに"};
// The workbook `name` holds unsaved changes. Returns vbYes (save), vbNo (go on without
// saving) or vbCancel (keep working).
int AskSaveBefore(const std::string& name, const LettingGo& what);
// The spreadsheet could not make the new document's workbook.
void TellNewFailed(const std::string& reason);

} // namespace 縦断bus::lifecycle_messages
