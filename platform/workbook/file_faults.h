#pragma once
// The texts of faults met reading or saving a workbook file: what went wrong with which file,
// in Japanese, and what the user can do about it. All raise 1004.
#include <string>

namespace xl::detail {

// What the user can do when a file is no readable workbook.
inline constexpr const char* kChooseWorkbook = "Excel 97-2003 形式 (.xls) のブックを選んでください。";
inline constexpr const char* kResaveWorkbook =
    "ファイルが壊れているおそれがあります。表計算ソフトで Excel 97-2003 形式 (.xls) に保存し直すか、"
    "別のファイルを選んでください。";

// 「ファイル "path" を読み込めません。<what>。<advice>」
[[noreturn]] void RefuseRead(const std::string& path, const std::string& what, const char* advice);
// 「ファイル "path" に保存できません。<what>。<advice>」
[[noreturn]] void RefuseSave(const std::string& path, const std::string& what, const std::string& advice);
// The same for a failed system call, its reason and advice told by its error number.
[[noreturn]] void RefuseSaveForErrno(const std::string& path, int error);

} // namespace xl::detail
