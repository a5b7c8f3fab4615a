// A Japanese product's command line speaks Japanese: every prompt and message the commands
// give, while its idle prompt stays "ｺﾏﾝﾄﾞ: " for the control library to read.
#include "cad/command/command_line.h"
#include "cad/command/japanese_texts.h"
#include "platform/runtime/cp932.h"

#include <gtest/gtest.h>

using namespace cad;
using namespace cad::command;

namespace {

bool HasJapanese(const std::string& utf8) {
    for (unsigned char c : utf8)
        if (c >= 0x80) return true;
    return false;
}

} // namespace

TEST(JapaneseTexts, NamesAndNumbersAreCarriedIntoTheJapaneseText) {
    EXPECT_EQ(JapaneseText("Save changes to 縦断図.dwg? [Yes/No/Cancel] <Yes>: "),
              "縦断図.dwg への変更を保存しますか? [保存(Y)/保存しない(N)/キャンセル(C)] <Y>: ");
    EXPECT_EQ(JapaneseText("Enter new value for LUPREC <4>: "), "LUPREC の新しい値を入力 <4>: ");
    EXPECT_EQ(JapaneseText("Block \"GEN1\" not found."), "ブロック \"GEN1\" が見つかりません。");
    EXPECT_EQ(JapaneseText("12 found"), "12 個を検出");
    EXPECT_EQ(JapaneseText("X = 1.0000     Y = 2.0000     Z = 0.0000"), "X = 1.0000     Y = 2.0000     Z = 0.0000");
}

// Commands typed as the program and the user type them, answers refused included: every
// prompt asked and every line of the history is Japanese, except the coordinates ID prints.
TEST(JapaneseTexts, EveryPromptAndMessageOfTheCommandsIsJapanese) {
    Drawing drawing;
    CommandLine cl(drawing, Wording::Japanese);
    EXPECT_EQ(cl.Prompt(), "ｺﾏﾝﾄﾞ: ");
    const char* const sessions[] = {
        "LINE\rx\r-35000000,12000000\r-34999000,12000000\r\r",
        "PLINE\r0,0\r\r",
        "PLINE\r0,0\r10,0\r\r",
        "CIRCLE\r5,5\r\rCIRCLE\r5,5\r-1\r2\r",
        "ARC\r0,0\rQ\rC\r0,0\r10,0\r0,10\r",
        "DTEXT\r0,0\r2.5\r0\r縦断図\r\r",
        "INSERT\rNOBLOCK\r",
        "BLOCK\rB1\r0,0\rALL\r\r",
        "BLOCK\rB1\rY\r0,0\rZ\r\r",
        "COLOR\rmauve\rred\r",
        "ZOOM\r0,0\r0,0\rZOOM\rE\r",
        "MOVE\rW\r-1,-1\r20,20\r\r0,0\r1,1\r",
        "ROTATE\rALL\r\r0,0\r90\r",
        "EXPLODE\rALL\r\r",
        "UNDO\r0\r1\rU\r",
        "NOSUCHCOMMAND\r",
        "\x01",
        "QSAVE\r",
        "OPEN\rZ:\\missing.dxf\r",
    };
    std::vector<std::string> prompts;
    for (const char* keys : sessions)
        for (const char c : rt::Utf8ToCp932(keys)) {
            cl.Type(c);
            prompts.push_back(cl.Prompt());
        }
    for (const std::string& p : prompts) EXPECT_TRUE(HasJapanese(p)) << p;
    for (const std::string& line : cl.History()) EXPECT_TRUE(HasJapanese(line)) << line;
    EXPECT_GT(cl.RejectionCount(), 10u);
    cl.Type("ID\r1,2\r");
    EXPECT_EQ(cl.History().back(), "X = 1.0000     Y = 2.0000     Z = 0.0000");
    EXPECT_EQ(cl.Prompt(), "ｺﾏﾝﾄﾞ: ");
}

// The releases that hold one drawing at a time ask the DXF precision as "精度を入力…", the
// later ones as "精度として…"; the other texts are the same in both.
TEST(JapaneseTexts, TheSingleDrawingReleasesWordTheDxfPrecisionPromptTheirOwnWay) {
    const std::string precision = "Enter decimal places of accuracy (0 to 16)/Objects/Version/Binary <16>: ";
    EXPECT_TRUE(JapaneseText(precision).starts_with("精度として")) << JapaneseText(precision);
    EXPECT_TRUE(JapaneseText(precision, JapaneseRelease::SingleDrawing).starts_with("精度を入力"));
    EXPECT_EQ(JapaneseText("Save changes to a.dwg? [Yes/No/Cancel] <Yes>: ", JapaneseRelease::SingleDrawing),
              JapaneseText("Save changes to a.dwg? [Yes/No/Cancel] <Yes>: "));
}
