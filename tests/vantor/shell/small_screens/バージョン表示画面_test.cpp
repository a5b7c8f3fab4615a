// The version screen shows the version and goes with its OK button.
#include "tests/support/program_reset.h"
#include "vantor/shell/バージョン表示画面.h"

#include <gtest/gtest.h>

namespace {

TEST(VersionScreenTest, ShowsTheVersionAndOkUnloadsIt) {
    auto& screen = forms::Get<バージョン表示画面>();
    screen.Show();
    EXPECT_EQ(screen.Caption(), "バージョン情報");
    EXPECT_EQ(screen.バージョン.Caption(), "version 1.00");
    EXPECT_EQ(screen.Command1.Caption(), "O　K");
    screen.Command1.OnClick();
    EXPECT_FALSE(forms::IsLoaded<バージョン表示画面>());
    test_support::ResetProgram(); // frees the released screen while the application still runs
}

} // namespace
