// The history as the control library reads it: the echo follows a cancel mark at once.
#include "cad/app/window_texts.h"

#include "cad/command/command_line.h"
#include "platform/runtime/cp932.h"

#include <gtest/gtest.h>

using namespace cad;

TEST(WindowTexts, HistoryRunsLinesTogetherWithTheProductsCancelMark) {
    Drawing drawing;
    command::CommandLine cl{drawing, command::Wording::Japanese};
    cl.Type("\x03\x03_iD\r1,2\r");
    const auto& lt = *app::FindProduct(app::kAutoCadLt2002);
    const std::string text = app::HistoryText(cl.History(), lt);
    const std::string mark = rt::Utf8ToCp932("*ｷｬﾝｾﾙ*");
    EXPECT_EQ(mark.size(), 7u);
    const std::string after = text.substr(text.rfind(mark) + mark.size());
    EXPECT_EQ(after, rt::Utf8ToCp932("ｺﾏﾝﾄﾞ: _iD点を指定: 1,2X = 1.0000     Y = 2.0000     Z = 0.0000"));
    EXPECT_EQ(app::CommandLineText(cl.Prompt()), "\xBA\xCF\xDD\xC4\xDE: ");

    const auto& full = *app::FindProduct(11);
    EXPECT_EQ(app::HistoryText(cl.History(), full).substr(0, 25), rt::Utf8ToCp932("ｺﾏﾝﾄﾞ: *Cancel*ｺﾏﾝﾄﾞ: *Ca"));
}

TEST(WindowTexts, HistoryKeepsTheRecentLines) {
    std::deque<std::string> history(app::kHistoryTextLines + 5, "a");
    history.front() = "first";
    EXPECT_EQ(app::HistoryText(history, *app::FindProduct(6)), std::string(app::kHistoryTextLines, 'a'));
}
