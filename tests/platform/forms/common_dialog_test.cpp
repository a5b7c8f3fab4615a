#include "platform/forms/forms.h"
#include "platform/forms/script.h"

#include <gtest/gtest.h>

namespace {

using namespace forms;

class 親 : public Form {
public:
    CommonDialog CommonDialog1{*this};
};

class CommonDialogTest : public ::testing::Test {
protected:
    void SetUp() override { script::Reset(); }
    void TearDown() override { UnloadAll(); }
    CommonDialog& dialog = Get<親>().CommonDialog1;
};

TEST_F(CommonDialogTest, CancelWithCancelErrorRaises32755AndKeepsTheFileName) {
    dialog.SetFileName("/data/前.xls");
    dialog.SetCancelError(true);
    script::QueueFileCancel();
    try {
        dialog.ShowOpen();
        FAIL() << "no error raised";
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Number(), rt::errDialogCancelled);
    }
    EXPECT_EQ(dialog.FileName(), "/data/前.xls");
}

TEST_F(CommonDialogTest, CancelWithoutCancelErrorJustReturns) {
    dialog.SetFileName("a.xls");
    script::QueueFileCancel();
    EXPECT_NO_THROW(dialog.ShowSave());
    EXPECT_EQ(dialog.FileName(), "a.xls");
}

TEST_F(CommonDialogTest, ChosenPathBecomesTheFileNameAndTheCallIsRecorded) {
    dialog.SetFilter("*.xls");
    dialog.SetInitDir("/data");
    dialog.SetCancelError(true);
    script::QueueFileName("/data/縦断.xls");
    dialog.ShowOpen();
    EXPECT_EQ(dialog.FileName(), "/data/縦断.xls");
    ASSERT_EQ(script::FileDialogs().size(), 1u);
    EXPECT_FALSE(script::FileDialogs()[0].save);
    EXPECT_EQ(script::FileDialogs()[0].filter, "*.xls");
    EXPECT_EQ(script::FileDialogs()[0].initDir, "/data");
}

} // namespace
