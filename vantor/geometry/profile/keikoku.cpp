#include "vantor/geometry/profile/keikoku.h"

#include "platform/runtime/number_text.h"
#include "vantor/geometry/profile/keisantate.h"
#include "vantor/geometry/profile/planned_line.h"
#include "vantor/geometry/profile/警告表示画面.h"
#include "vantor/model/bus/profile_tables.h"

#include <cmath>
#include <initializer_list>

namespace 縦断bus {

namespace {

constexpr int kLines = 8;

void SetLine(int index, const std::string& text) { forms::Get<警告表示画面>().Label1(index).SetCaption(text); }

// Clears the screen, writes the given lines from line 0 on and raises the flag.
void Warn(std::initializer_list<std::string> lines) {
    keikokukuria();
    int index = 0;
    for (const std::string& line : lines) SetLine(index++, line);
    keikokuflg = 1;
}

// Lines 0 and 1 of a curve with no gradient on one side.
std::string NoGradientLine(bool before) { return before ? "手前の勾配が定まらない為" : "後ろの勾配が定まらない為"; }
const char* const kNoCurveLine = "曲線の設置は出来ません。";

// The gradient in percent, as the profile computation shows it, of the reference line from
// change-point row `from` to row `to`.
double ReferencePercent(int from, int to) {
    const double rise =
        static_cast<double>(tatedata(to, tate_col::kReferenceHeight)) - tatedata(from, tate_col::kReferenceHeight);
    const double run = static_cast<double>(tatedata(to, tate_col::kStation)) - tatedata(from, tate_col::kStation);
    const float ratio = static_cast<float>(rise / run);
    return std::floor(static_cast<double>(ratio) * 10000000 + 0.5) / 100000;
}

// Whether the reference line bends at row r: the row is a change point and the gradients
// to the change points before and after it differ. The judgement needs no computed column,
// which a stopped computation leaves empty. A first or last change point, or stations out of
// order, are left to the profile computation, which says what is wrong with them.
bool ChangesGradientAt(int r, int n) {
    if (!IsChangePoint(r)) return false;
    int before = r - 1, after = r + 1;
    while (before >= 1 && !IsChangePoint(before)) --before;
    while (after <= n && !IsChangePoint(after)) ++after;
    if (before < 1 || after > n) return true;
    const float station = tatedata(r, tate_col::kStation);
    if (!(tatedata(before, tate_col::kStation) < station && station < tatedata(after, tate_col::kStation))) return true;
    return ReferencePercent(before, r) != ReferencePercent(r, after);
}

} // namespace

void keikokukuria() {
    for (int index = 0; index < kLines; ++index) SetLine(index, " ");
}

void kakuninkyokusen() {
    keikokukuria();
    keikokuflg = 0;
    const int n = sokutensuu, r = henshuugyou;
    if (n < 1) return;
    if (IsCurveLength(tatedata(1, tate_col::kCurveLength))) {
        Warn({NoGradientLine(true), kNoCurveLine});
    } else if (IsCurveLength(tatedata(n, tate_col::kCurveLength))) {
        Warn({NoGradientLine(false), kNoCurveLine});
    } else if (r >= 1 && r <= n && IsCurveLength(tatedata(r, tate_col::kCurveLength)) && !ChangesGradientAt(r, n)) {
        Warn({"勾配の変化点ではありません。", "よって曲線の設置は出来ません。"});
    }
}

void keikokunagasugi(int i, int j) {
    const std::string station = rt::Str(vcxb(i));
    Warn({" 測点" + station + "における縦断曲線が長すぎて", " 決められた区間内では、縦断曲線がおさまりません｡ ",
          " 測点" + station + "における曲線線の見直をして下さい。", " 【具体的な内容は下記のとおりです】"});
    if (vcbflg == 1) {
        SetLine(4, " 　　曲線開始地点ＶCB=" + rt::Str(vcb(i)) + "は");
        SetLine(5, " 　　勾配変化地点  XB=" + rt::Str(xb(j - 1)) + "より大きくなければいけません。");
    }
    if (vceflg == 1) {
        SetLine(6, " 　　曲線終了地点ＶCE=" + rt::Str(vce(i)) + "は");
        SetLine(7, " 　　勾配変化地点  XB=" + rt::Str(xb(j + 1)) + "より小さくなければいけません。");
    }
}

void keikokukousa() {
    const int k = kyokusensuu;
    Warn({"区間内で縦断曲線どうしが交差してしまいます。",
          "測点" + rt::Str(vcxb(k - 1)) + "の曲線長　Ｌv＝" + rt::Str(lv(k - 1)) + " か",
          "測点" + rt::Str(vcxb(k)) + "の曲線長　Ｌv＝" + rt::Str(lv(k)) + " の", "見直しをして下さい。"});
}

void WarnChangePointOrder(float before, float after) {
    Warn({"勾配変化点の測点が重複しているか、順番に並んでいません。",
          "測点" + rt::Str(before) + "と測点" + rt::Str(after) + "の", "基準計画高の見直しをして下さい。"});
}

void WarnTooManyChangePoints(int limit) {
    Warn({"勾配変化点が多すぎます。", "勾配変化点は" + rt::Str(limit) + "点までです。",
          "基準計画高の見直しをして下さい。"});
}

void WarnTooManyCurves(int limit) {
    Warn({"縦断曲線が多すぎます。", "縦断曲線は" + rt::Str(limit) + "箇所までです。", "曲線長の見直しをして下さい。"});
}

void WarnCurveAtEnd(float station, bool first) {
    Warn({NoGradientLine(first), kNoCurveLine, "測点" + rt::Str(station) + "の曲線長の見直しをして下さい。"});
}

void WarnNegativeCurveLength(float station, float length) {
    Warn({"曲線長に負の値は入力できません。", "測点" + rt::Str(station) + "の曲線長　Ｌv＝" + rt::Str(length) + " の",
          "見直しをして下さい。"});
}

void WarnPlannedLineTooLong(int metres) {
    Warn({"計画線が長すぎます。", "最初の測点から最後の測点までは" + rt::Str(metres) + "mまでです。",
          "測点の見直しをして下さい。"});
}

} // namespace 縦断bus
