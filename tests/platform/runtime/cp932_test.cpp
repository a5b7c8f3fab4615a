#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp932, RoundTripsFullAndHalfWidthText) {
    const std::string text = "縦断ｼｰﾄ ＩＰ座標入力 No.1";
    std::string sjis = rt::Utf8ToCp932(text);
    EXPECT_EQ(rt::Cp932ToUtf8(sjis), text);
    // 縦断 = 2 double-byte characters, ｼｰﾄ = 3 single bytes.
    EXPECT_EQ(rt::LenB("縦断ｼｰﾄ"), 7u);
    EXPECT_EQ(rt::Len("縦断ｼｰﾄ"), 5u);
    EXPECT_TRUE(rt::IsLeadByte(static_cast<unsigned char>(sjis[0])));
    EXPECT_FALSE(rt::IsLeadByte(static_cast<unsigned char>(rt::Utf8ToCp932("ｼ")[0])));
}

TEST(Cp932, UnrepresentableOrBrokenTextRaises) {
    EXPECT_THROW(rt::Utf8ToCp932("\xF0\x9F\x98\x80"), rt::Error);  // an emoji has no code
    EXPECT_THROW(rt::Cp932ToUtf8("\x81"), rt::Error);               // lone lead byte
}

} // namespace
