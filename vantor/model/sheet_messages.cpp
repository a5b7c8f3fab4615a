#include "vantor/model/sheet_messages.h"

#include "platform/forms/msgbox.h"
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"

namespace 縦断bus::sheet_messages {

std::string NotANumber(std::string_view sheet, std::string_view cell) {
    return std::string(sheet) + " のセル " + std::string(cell) + " が数値ではありません。数値に直してください。";
}

std::string TooLarge(std::string_view sheet, std::string_view cell) {
    return std::string(sheet) + " のセル " + std::string(cell) + " の数値が大きすぎます。正しい値に直してください。";
}

std::string MissingSheet(std::string_view sheet) {
    return "ブックにシート " + std::string(sheet) +
           " がありません。このプログラムで作ったブック（7つのシートがそろったもの）を使ってください。";
}

std::string NotWritten(std::string_view sheet, std::string_view cell, std::string_view reason) {
    return std::string(sheet) + " のセル " + std::string(cell) + " に書き込めませんでした（" + std::string(reason) +
           "）。入力した値を確かめてください。";
}

std::string RowsNotRead(std::string_view sheet, std::string_view what, int kept, int lastRow, int ignored) {
    return std::string(sheet) + " の" + std::string(what) + "は " + rt::CStr(kept) + " 点まで読み込みます。" +
           rt::CStr(lastRow + 1) + " 行目から先の " + rt::CStr(ignored) + " 点は読み込んでいません" +
           "（保存してもその行は書き換えません）。" + rt::CStr(kept) + " 点以内に分けて入力してください。";
}

std::string RowsPastStations(std::string_view sheet, int stations, int lastRow, int ignored) {
    return std::string(sheet) + " は測点の数（" + rt::CStr(stations) + " 点）の行まで読み込みます。" +
           rt::CStr(lastRow + 1) + " 行目から先の " + rt::CStr(ignored) + " 行は読み込んでいません" +
           "（保存してもその行は書き換えません）。縦断ｼｰﾄ の測点と行をそろえてください。";
}

std::string TooManyReferencePoints(int kept) {
    return std::string("基準点は ") + rt::CStr(kept) + " 点までです。" + rt::CStr(kept + 1) +
           " 点目からは読み込みませんでした。";
}

void Tell(std::string_view text) { forms::MsgBox(std::string(text), forms::vbExclamation); }

bool ReadTellingFailure(void (*read)()) {
    try {
        read();
        return true;
    } catch (const rt::Error& e) {
        Tell(std::string(e.what()) + "\nこのシートは読み込みませんでした。");
        return false;
    }
}

} // namespace 縦断bus::sheet_messages
