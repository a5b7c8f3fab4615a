#include "lifecycle_fixture.h"

#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/shell/lifecycle/lifecycle_messages.h"

#include <fstream>
#include <iterator>
#include <utility>

namespace lifecycle_test {
namespace {

using namespace 縦断bus;

TEST_F(LifecycleTest, SaveShowsTheFinishedWaitScreen) {
    shinki();
    Fill(kCrest);
    forms::script::QueueFileName(PathOf("doc.xls"));
    hozon();
    EXPECT_TRUE(forms::script::Messages().empty()) << LastMessage();
    EXPECT_TRUE(std::filesystem::exists(PathOf("doc.xls")));
    EXPECT_EQ(fairumei, PathOf("doc.xls"));
    待表示& wait = forms::Get<待表示>();
    EXPECT_TRUE(wait.Visible());
    EXPECT_EQ(wait.Caption(), "保存が完了したよ ﾁｭｰﾁｭｰ・・");
    EXPECT_FALSE(wait.休み.Visible());
    EXPECT_FALSE(wait.寝る.Visible());
    EXPECT_TRUE(wait.起きる.Visible());
    EXPECT_TRUE(wait.継続ボタン.Visible());
    EXPECT_TRUE(wait.終了ボタン.Visible());

    // New in between shows them with its own caption.
    shinki();
    EXPECT_EQ(wait.Caption(), "お待たせしました・・");
    EXPECT_TRUE(wait.起きる.Visible());
    EXPECT_TRUE(wait.継続ボタン.Visible());
    EXPECT_TRUE(wait.終了ボタン.Visible());
}

TEST_F(LifecycleTest, SaveWithoutExtensionWritesAnXlsFile) {
    shinki();
    forms::script::QueueFileName(PathOf("doc"));
    hozon();
    EXPECT_TRUE(std::filesystem::exists(PathOf("doc.xls")));
    EXPECT_EQ(fairumei, PathOf("doc.xls"));
}

TEST_F(LifecycleTest, CancelledOrFailedSaveHidesTheWaitScreenAndKeepsTheDocument) {
    shinki();
    const auto book = xlbook;
    const std::string unwritable = PathOf("no/such/folder/doc.xls");
    struct Case {
        bool cancel;
        std::string name;
        std::string message; // the start of it
    } cases[] = {
        {true, "", std::string(lifecycle_messages::kCancelled)},
        {false, "", std::string(lifecycle_messages::kCancelled)},
        {false, unwritable, "ファイル " + unwritable + " に保存できませんでした。\n"},
    };
    for (const Case& c : cases) {
        forms::script::Reset();
        c.cancel ? forms::script::QueueFileCancel() : forms::script::QueueFileName(c.name);
        hozon();
        EXPECT_EQ(LastMessage().substr(0, c.message.size()), c.message) << LastMessage();
        待表示& wait = forms::Get<待表示>();
        EXPECT_FALSE(wait.Visible());
        EXPECT_EQ(wait.Caption(), "しばらくお待ちください。");
        EXPECT_EQ(wait.休み.Caption(), "保存の準備中です。");
        EXPECT_EQ(xlbook, book);
        EXPECT_EQ(bukkujoutai, 1);
        EXPECT_EQ(fairumei, "");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 0);
}

// Names that cannot make the file asked for are refused before anything is written.
TEST_F(LifecycleTest, SaveRefusesNamesThatCannotWorkAndSaysWhatToDo) {
    shinki();
    const std::string protectedFile = PathOf("protected.xls");
    std::ofstream(protectedFile) << "earlier";
    std::filesystem::permissions(protectedFile,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    std::filesystem::create_directory(PathOf("folder.xls"));
    const std::pair<std::string, std::string> cases[] = {
        {folder_.string() + "/", "ファイル名を入力してください。"},
        {PathOf(".xls"), "ファイル名を入力してください。"},
        {PathOf(".XLS"), "ファイル名を入力してください。"},
        {PathOf("folder.xls"), "はフォルダです。"},
        {protectedFile, "書き込みが禁止されているので、上書きできません。別の名前で保存してください。"},
        {PathOf(std::string(300, 'a') + ".xls"), "ファイル名が長すぎます"},
    };
    for (const auto& [name, text] : cases) {
        forms::script::Reset();
        forms::script::QueueFileName(name);
        hozon();
        ASSERT_EQ(forms::script::Messages().size(), 1u) << name;
        EXPECT_NE(LastMessage().find(text), std::string::npos) << LastMessage();
        EXPECT_EQ(fairumei, "") << name;
        EXPECT_FALSE(forms::Get<待表示>().Visible());
    }
    std::ifstream written(protectedFile);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), "earlier");
    // Only the protected file and the folder are there: nothing was saved under another name.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 2);
    std::filesystem::permissions(protectedFile, std::filesystem::perms::owner_all);
}

TEST_F(LifecycleTest, SaveWhoseSheetWriterFailsSaysWhyAndWritesNoFile) {
    shinki();
    xlsheets->Item("横断ｼｰﾄ")->SetName("横断");
    forms::script::QueueFileName(PathOf("doc.xls"));
    hozon();
    ASSERT_EQ(forms::script::Messages().size(), 1u);
    EXPECT_EQ(LastMessage().rfind("保存できませんでした。\n", 0), 0u) << LastMessage();
    EXPECT_NE(LastMessage().find("横断ｼｰﾄ"), std::string::npos) << LastMessage();
    EXPECT_FALSE(forms::Get<待表示>().Visible());
    EXPECT_EQ(fairumei, "");
    EXPECT_FALSE(std::filesystem::exists(PathOf("doc.xls")));
}

TEST_F(LifecycleTest, CancelledSaveNeverWritesOverTheFileLastChosen) {
    const std::string path = SavedDocument("a.xls", kCrest);
    Open(path);
    const auto written = std::filesystem::last_write_time(path);
    Main().CommonDialog1.SetCancelError(false);
    forms::script::QueueFileCancel();
    tatedata(1, 2) = 40;
    hozon();
    EXPECT_EQ(LastMessage(), lifecycle_messages::kCancelled);
    EXPECT_EQ(std::filesystem::last_write_time(path), written);
}

} // namespace
} // namespace lifecycle_test
