#pragma once
// The section-point sheets 現況横断ｼｰﾄ (existing ground) and 切盛ﾗｲﾝ入力ｼｰﾄ (cut/fill lines):
// one block of four columns per station (left offset, left height, right offset, right
// height), points from row 7, kept as texts.

namespace 縦断bus {

// Titles and the headers of danmensuu station blocks (at most the 50 the tables hold), on
// both sheets.
void shoshikigenkyou();
// genkyouhidari / genkyoumigi of the stations the tables hold, 20 points per side.
void yomikomigenkyou();
// kirimorihidari / kirimorimigi, the same way.
void yomikomikirimori();

} // namespace 縦断bus
