#include "platform/forms/forms.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

using namespace forms;

class 主画面 : public Form {
public:
    Menu f{*this, "ファイル"};
    ControlArray<Menu> f1{f, {{0, "新規作成"}, {2, "-"}, {5, "終了"}}};
    Menu lt{*this, "作図"};
    ImageList ImageList1;
    Toolbar Toolbar1{*this};

    std::vector<int> menuClicks;
    int ltClicks = 0;
    std::string clickedKey;

    主画面() {
        ImageList1.Add("開く", StockPicture(picOpen));
        Toolbar1.SetImageList(ImageList1);
        Toolbar1.AddButton("新規", "新規", "新規に作る。");
        Toolbar1.AddButton("ｴｸｾﾙ画面入力", "Ｅ画面", "", "開く");
        f1.OnClick = [this](int index) { menuClicks.push_back(index); };
        lt.OnClick = [this] { ++ltClicks; };
        Toolbar1.OnButtonClick = [this](ToolbarButton& b) { clickedKey = b.Key(); };
    }
};

class MenuToolbarTest : public ::testing::Test {
protected:
    void TearDown() override { UnloadAll(); }
    主画面& form = Get<主画面>();
};

TEST_F(MenuToolbarTest, MenuArrayItemsReportTheirIndex) {
    form.f1(5).Action()->trigger();
    form.f1(0).Action()->trigger();
    EXPECT_EQ(form.menuClicks, (std::vector<int>{5, 0}));
    EXPECT_EQ(form.f1(2).Caption(), "-");
    EXPECT_TRUE(form.f1(2).Action()->isSeparator());
    EXPECT_TRUE(form.f1(2).Action()->text().isEmpty()); // no style draws it as a heading
    EXPECT_FALSE(form.f1.Exists(1));
}

TEST_F(MenuToolbarTest, TopMenuWithoutItemsIsACommand) {
    form.lt.Action()->trigger();
    EXPECT_EQ(form.ltClicks, 1);
    EXPECT_EQ(form.f.Action()->menu() != nullptr, true);
    EXPECT_EQ(form.lt.Action()->menu(), nullptr);
}

TEST_F(MenuToolbarTest, ButtonsByKeyHandOverTheClickedButton) {
    ToolbarButton& e = form.Toolbar1.Buttons("ｴｸｾﾙ画面入力");
    EXPECT_EQ(e.Caption(), "Ｅ画面");
    EXPECT_EQ(e.Index(), 2);
    EXPECT_FALSE(e.Action()->icon().isNull());
    EXPECT_EQ(form.Toolbar1.Buttons("新規").ToolTipText(), "新規に作る。");
    e.Action()->trigger();
    EXPECT_EQ(form.clickedKey, "ｴｸｾﾙ画面入力");
    e.SetEnabled(false);
    EXPECT_FALSE(form.Toolbar1.Buttons(2).Enabled());
    try {
        form.Toolbar1.Buttons("Ｅ画面");
        FAIL() << "a caption is no key";
    } catch (const rt::Error& err) {
        EXPECT_EQ(err.Number(), rt::errSubscript);
    }
}

} // namespace
