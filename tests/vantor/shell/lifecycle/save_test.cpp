#include "lifecycle_fixture.h"

#include "vantor/shell/lifecycle/lifecycle_messages.h"

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
        std::string message;   // the start of it
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
        EXPECT_FALSE(forms::Get<待表示>().Visible());
        EXPECT_EQ(xlbook, book);
        EXPECT_EQ(bukkujoutai, 1);
        EXPECT_EQ(fairumei, "");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 0);
}

} // namespace
} // namespace lifecycle_test
