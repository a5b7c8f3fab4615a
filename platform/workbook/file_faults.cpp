#include "platform/workbook/file_faults.h"

#include <cerrno>

#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"
#include "platform/workbook/refusal.h"

namespace xl::detail {

void RefuseRead(const std::string& path, const std::string& what, const char* advice) {
    Refuse(rt::errApplication, "ファイル \"" + path + "\" を読み込めません。" + what + "。" + advice);
}

void RefuseSave(const std::string& path, const std::string& what, const std::string& advice) {
    Refuse(rt::errApplication, "ファイル \"" + path + "\" に保存できません。" + what + "。" + advice);
}

void RefuseSaveForErrno(const std::string& path, int error) {
    switch (error) {
    case EACCES:
    case EPERM: RefuseSave(path, "書き込みが許されていません", "書き込みのできる保存先を選んでください。");
    case EROFS: RefuseSave(path, "読み取り専用の場所です", "書き込みのできる保存先を選んでください。");
    case ENOSPC:
    case EDQUOT: RefuseSave(path, "ディスクの空きが足りません", "空きを作るか、別の保存先を選んでください。");
    case ENAMETOOLONG:
        RefuseSave(path, "ファイル名が長すぎます", "短い名前 (255 バイトまで) を付けて保存し直してください。");
    case ENOENT:
    case ENOTDIR: RefuseSave(path, "保存先のフォルダーがありません", "あるフォルダーを選んでください。");
    case EISDIR: RefuseSave(path, "同じ名前のフォルダーがあります", "別の名前を付けて保存してください。");
    default:
        RefuseSave(path, "書き込みに失敗しました (エラー番号 " + rt::CStr(error) + ")",
                   "保存先とディスクの空きを確かめて、保存し直してください。");
    }
}

} // namespace xl::detail
