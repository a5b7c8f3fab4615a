// Scripts, and waiting while the user works a command.
#include "engine_fixture.h"

using namespace pellix;
using namespace pellix::testing;

namespace {

struct Script : Engine {
    std::string file;
    void SetUp() override {
        Engine::SetUp();
        file = GetTempDir() + "draw.scr";
    }
};

} // namespace

TEST_F(Script, RunScriptWritesTheScriptThatEndsWithTheFileDialogsOnAndStartsIt) {
    Start();
    ASSERT_TRUE(acad->RunScript(file, "_LINE 0,0 5,5 \n", false));
    EXPECT_EQ(Typed(), std::vector<std::string>{"\x03\x03_FILEDIA 0\r_SCRIPT \"" + file + "\"\r"});
    EXPECT_EQ(FileBytes(file), "_LINE 0,0 5,5 \r\n'_FILEDIA 1\r\n");
    desk::testing::RunFor(10);  // the product runs the script
    EXPECT_EQ(cad->drawing().Entities().size(), 1u);
    EXPECT_EQ(cad->Variables().filedia, 1);
    EXPECT_FALSE(acad->Busy());
}

TEST_F(Script, ATransparentScriptDoesNotCancelTheCommandInProgress) {
    Start();
    ASSERT_TRUE(SaveTextFile(file, "10,0\r\n"));
    ASSERT_TRUE(acad->SendCommand("_LINE 0,0 "));
    ASSERT_TRUE(acad->RunScript(file, "", true));
    EXPECT_EQ(Typed().back(), "'_FILEDIA 0\r'_SCRIPT \"" + file + "\"\r");
    desk::testing::RunFor(10);
    acad->SendCommand("\r");
    EXPECT_EQ(cad->drawing().Entities().size(), 1u);
}

TEST_F(Script, RunScriptRefusesAMissingOrEmptyScript) {
    Start();
    EXPECT_FALSE(acad->RunScript(file, "", false));
    ASSERT_TRUE(SaveTextFile(file, ""));
    EXPECT_FALSE(acad->RunScript(file, "", false));
    EXPECT_FALSE(acad->RunScript("", "LINE", false));
    EXPECT_TRUE(Typed().empty());
}

TEST_F(Script, AScriptThatCannotBeStartedPutsTheFileDialogsBackOrBeeps) {
    Start();
    RefuseTexts(acad->MainWnd(), [](const std::string& text) { return text.find("_SCRIPT") != std::string::npos; });
    EXPECT_FALSE(acad->RunScript(file, "_LINE 0,0 5,5 \n", false));
    EXPECT_EQ(Typed().back(), "\x03_FILEDIA 1\r\x03");
    EXPECT_EQ(desk::testing::BeepCount(), 0);

    RefuseTexts(acad->MainWnd(), [](const std::string&) { return true; });
    EXPECT_FALSE(acad->RunScript(file, "_LINE 0,0 5,5 \n", false));
    EXPECT_EQ(desk::testing::BeepCount(), 1);
}

TEST_F(Script, UserWaitReturnsTheAnswerForTheCommandTheUserFinished) {
    Start();
    int firstCalls = 0;
    std::string echo;
    WhenWaiting([this] { cad->TypeFromUser("0,0\r10,0\r\r"); });
    EXPECT_TRUE(acad->UserWait(
        7, " _LINE ", "", [&](int id) { return ++firstCalls, id == 7; },
        [&](int id, const std::string& cmd) { return echo = cmd, id == 7; }));
    EXPECT_EQ(firstCalls, 1);
    EXPECT_TRUE(echo.starts_with("_LINE")) << echo;
    EXPECT_EQ(Typed(), std::vector<std::string>{"\x03\x03_LINE\r"});
    EXPECT_EQ(cad->drawing().Entities().size(), 1u);
}

TEST_F(Script, UserWaitEndsFalseWhenTheCallerSaysNoOrACallbackRaises) {
    Start();
    EXPECT_FALSE(acad->UserWait(1, "_LINE", "", [](int) { return false; }, nullptr));
    EXPECT_TRUE(Typed().empty());
    WhenWaiting([this] { cad->TypeFromUser("0,0\r10,0\r\r"); });
    EXPECT_FALSE(acad->UserWait(1, "_LINE", "", nullptr, [](int, const std::string&) -> bool { throw std::runtime_error("handler"); }));
    EXPECT_FALSE(acad->Busy());
}
