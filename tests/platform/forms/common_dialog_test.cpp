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

// Like the desktop's dialogs: back where the user last chose a file while the program asks
// for its first folder again; a different folder, or a file name with one, is followed.
TEST_F(CommonDialogTest, DialogsStartWhereTheUserLastChoseAFile) {
    struct Step {
        const char* initDir;
        const char* fileName; // set before the dialog; nullptr leaves the last chosen
        const char* chosen;   // nullptr: cancelled
        const char* startsIn;
    };
    const Step steps[] = {
        // clang-format off
        {"/home/u", "", "/data/道路/a.xls", "/home/u"},
        {"/home/u", nullptr, "/data/道路/b.xls", "/data/道路"},
        {"/home/u", "", nullptr, "/data/道路"},
        {"/srv", "", "/srv/c.xls", "/srv"},
        {"/srv", "/mnt/d.xls", nullptr, "/mnt"},
        {"/home/u", nullptr, nullptr, "/srv"},
        // clang-format on
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.chosen ? step.chosen : "cancel");
        dialog.SetInitDir(step.initDir);
        if (step.fileName) dialog.SetFileName(step.fileName);
        step.chosen ? script::QueueFileName(step.chosen) : script::QueueFileCancel();
        dialog.ShowOpen();
        EXPECT_EQ(script::FileDialogs().back().initDir, step.startsIn);
    }
}

} // namespace
