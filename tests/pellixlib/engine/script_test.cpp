// Scripts, and waiting while the user works a command.
#include "engine_fixture.h"

#include <algorithm>

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

TEST_F(Script, RunScriptRunsTheCallersScriptAsWrittenAndPutsTheFileDialogsBackAsTheyWere) {
    Start();
    struct Case {
        int filedia;
        const char* text;
        bool written; // the caller's text, or a script file that exists already
    };
    for (const Case k : {Case{1, "1", true}, Case{0, "0", true}, Case{1, "1", false}, Case{0, "0", false}}) {
        SCOPED_TRACE(std::string(k.text) + (k.written ? " written" : " existing"));
        cad->Variables().filedia = k.filedia;
        const std::size_t entities = cad->drawing().Entities().size();
        if (!k.written) {
            ASSERT_TRUE(SaveTextFile(file, "_LINE 0,0 5,5 \n"));
        }
        ASSERT_TRUE(acad->RunScript(file, k.written ? "_LINE 0,0 5,5 \n" : "", false));
        const auto typed = Typed();
        EXPECT_EQ(typed.back(), "'_FILEDIA " + std::string(k.text) + "\r");
        EXPECT_NE(std::find(typed.begin(), typed.end(), "\x03\x03_FILEDIA 0\r_SCRIPT \"" + file + "\"\r"), typed.end());
        EXPECT_EQ(FileBytes(file), "_LINE 0,0 5,5 \r\n") << "the script as the caller wrote it";
        desk::testing::RunFor(10);
        EXPECT_EQ(cad->drawing().Entities().size(), entities + 1) << "the script ran";
        EXPECT_EQ(cad->Variables().filedia, k.filedia);
        EXPECT_FALSE(acad->Busy());
    }
}

TEST_F(Script, ATransparentScriptDoesNotCancelTheCommandInProgress) {
    Start();
    ASSERT_TRUE(SaveTextFile(file, "10,0\r\n"));
    ASSERT_TRUE(acad->SendCommand("_LINE 0,0 "));
    cad->Variables().filedia = 0;
    ASSERT_TRUE(acad->RunScript(file, "", true));
    const auto typed = Typed();
    EXPECT_NE(std::find(typed.begin(), typed.end(), "'_FILEDIA 0\r'_SCRIPT \"" + file + "\"\r"), typed.end());
    EXPECT_EQ(typed.back(), "'_FILEDIA 0\r");
    desk::testing::RunFor(10);
    acad->SendCommand("\r");
    EXPECT_EQ(cad->drawing().Entities().size(), 1u);
    EXPECT_EQ(cad->Variables().filedia, 0);
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
    cad->Variables().filedia = 0;
    EXPECT_FALSE(acad->RunScript(file, "_LINE 0,0 5,5 \n", false));
    EXPECT_EQ(Typed().back(), "\x03_FILEDIA 0\r\x03") << "back to what it was";
    EXPECT_EQ(desk::testing::BeepCount(), 0);

    // Neither the script nor the restore is taken: a beep.
    RefuseTexts(acad->MainWnd(), [](const std::string& text) { return text.find("FILEDIA 0") != std::string::npos; });
    EXPECT_FALSE(acad->RunScript(file, "_LINE 0,0 5,5 \n", false));
    EXPECT_EQ(desk::testing::BeepCount(), 1);

    // The file dialogs' setting cannot be read: nothing is started, nothing switched.
    RefuseTexts(acad->MainWnd(), [](const std::string&) { return true; });
    EXPECT_FALSE(acad->RunScript(file, "_LINE 0,0 5,5 \n", false));
    EXPECT_EQ(desk::testing::BeepCount(), 1);
    EXPECT_EQ(cad->Variables().filedia, 0);
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
    EXPECT_FALSE(acad->UserWait(
        1, "_LINE", "", [](int) { return false; }, nullptr));
    EXPECT_TRUE(Typed().empty());
    WhenWaiting([this] { cad->TypeFromUser("0,0\r10,0\r\r"); });
    EXPECT_FALSE(acad->UserWait(1, "_LINE", "", nullptr,
                                [](int, const std::string&) -> bool { throw std::runtime_error("handler"); }));
    EXPECT_FALSE(acad->Busy());
}
