#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

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
    EXPECT_THROW(rt::Utf8ToCp932("\xF0\x9F\x98\x80"), rt::Error); // an emoji has no code
    EXPECT_THROW(rt::Cp932ToUtf8("\x81"), rt::Error);             // lone lead byte
}

// Command lines are mostly ASCII, which both code pages write as ASCII does: every byte
// below 0x80 (control characters and the zero included) comes back as it went in.
TEST(Cp932, AsciiPassesBothWaysUnchanged) {
    std::string all;
    for (int c = 0; c < 0x80; ++c) all += static_cast<char>(c);
    for (const std::string& text :
         {std::string(), std::string("\x03\x03_LINE 0,0 1,1 \r"), std::string("a\0b", 3), all}) {
        EXPECT_EQ(rt::Utf8ToCp932(text), text);
        EXPECT_EQ(rt::Cp932ToUtf8(text), text);
    }
}

// A text that fails part-way leaves nothing behind for the next one, and threads converting at
// the same time each get their own text's bytes.
TEST(Cp932, ConversionsAfterAFailureAndOnSeveralThreadsAreExact) {
    const std::string tate = "\x8F\x63\x92\x66"; // 縦断 in Shift-JIS
    EXPECT_THROW(rt::Utf8ToCp932("縦\xF0\x9F\x98\x80断"), rt::Error);
    EXPECT_EQ(rt::Utf8ToCp932("縦断"), tate);
    EXPECT_THROW(rt::Cp932ToUtf8("\x8F\x63\x81"), rt::Error);
    EXPECT_EQ(rt::Cp932ToUtf8(tate), "縦断");

    const std::vector<std::pair<std::string, std::string>> cases = {
        {"縦断", tate}, {"作図ｼｰﾄ", "\x8D\xEC\x90\x7D\xBC\xB0\xC4"}, {"DTEXT 縦断 1", "DTEXT " + tate + " 1"}};
    std::vector<int> wrong(cases.size(), 0);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < cases.size(); ++i)
        threads.emplace_back([&, i] {
            for (int n = 0; n < 2000; ++n)
                if (rt::Utf8ToCp932(cases[i].first) != cases[i].second ||
                    rt::Cp932ToUtf8(cases[i].second) != cases[i].first)
                    ++wrong[i];
        });
    for (auto& t : threads) t.join();
    EXPECT_EQ(wrong, std::vector<int>(cases.size(), 0));
}

} // namespace
