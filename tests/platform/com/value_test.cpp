#include "platform/com/com.h"
#include "platform/runtime/error.h"

#include <gtest/gtest.h>

using namespace com;

TEST(ComGuid, TextFormRoundTripsAndRejectsMalformedTexts) {
    const GUID g = MakeGuid("{8c4f7a25-5e31-4b9d-a6f0-2d71c38e9b45}");
    EXPECT_EQ(g.Data1, 0x8C4F7A25u);
    EXPECT_EQ(g.Data2, 0x5E31);
    EXPECT_EQ(g.Data3, 0x4B9D);
    EXPECT_EQ(g.Data4[0], 0xA6);
    EXPECT_EQ(g.Data4[7], 0x45);
    EXPECT_EQ(GuidToString(g), "{8C4F7A25-5E31-4B9D-A6F0-2D71C38E9B45}");
    for (const char* bad : {"", "8C4F7A25-5E31-4B9D-A6F0-2D71C38E9B45", "{8C4F7A25-5E31-4B9D-A6F0-2D71C38E9B4}",
                            "{8C4F7A25-5E31-4B9D-A6F02D71C38E9B45-}", "{8C4F7A25-5E31-4B9D-A6F0-2D71C38E9B4G}",
                            "{8C4F7A25 5E31-4B9D-A6F0-2D71C38E9B45}", "{8C4F7A25-5E31-4B9D-A6F0-2D71C38E9B45"})
        EXPECT_FALSE(GuidFromString(bad)) << bad;
    EXPECT_THROW(MakeGuid("Pellixlib.Pellix"), std::invalid_argument);
}

TEST(ComBstr, LengthsZerosAndConversions) {
    const char16_t withZero[] = {u'a', 0, u'b'};
    BSTR s = SysAllocStringLen(withZero, 3);
    EXPECT_EQ(SysStringLen(s), 3u);
    EXPECT_EQ(SysStringByteLen(s), 6u);
    EXPECT_EQ(s[1], 0);
    EXPECT_EQ(s[3], 0); // terminated after the last character
    SysFreeString(s);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    EXPECT_EQ(SysAllocString(nullptr), nullptr);

    // "縦断" is two UTF-16 units, U+1F600 a surrogate pair.
    BSTR jp = BstrFromUtf8("縦断\xF0\x9F\x98\x80");
    EXPECT_EQ(SysStringLen(jp), 4u);
    EXPECT_EQ(jp[0], 0x7E26);
    EXPECT_EQ(jp[2], 0xD83D);
    EXPECT_EQ(Utf8FromBstr(jp), "縦断\xF0\x9F\x98\x80");
    EXPECT_EQ(AnsiFromBstr(jp), "\x8F\x63\x92\x66?"); // code page 932; the emoji has no form there
    SysFreeString(jp);
    BSTR ansi = BstrFromAnsi("\x8F\x63\x92\x66");
    EXPECT_EQ(Utf8FromBstr(ansi), "縦断");
    SysFreeString(ansi);
    EXPECT_EQ(Utf8FromUtf16(Utf16FromUtf8("a\xFF"
                                          "b")),
              "a\xEF\xBF\xBD"
              "b");                                        // malformed byte -> U+FFFD
    EXPECT_EQ(Utf8FromUtf16(u"\xD800x"), "\xEF\xBF\xBDx"); // lone surrogate
}

namespace {

struct ChangeCase {
    Variant from;
    VARTYPE to;
    HRESULT hr;
    const char* text; // the result read back as text, when it converted
};

} // namespace

TEST(ComVariant, ChangeTypeFollowsThePlatformsRules) {
    const ChangeCase cases[] = {
        {Variant::R8(2.5), VT_I4, S_OK, "2"}, // half to even
        {Variant::R8(3.5), VT_I4, S_OK, "4"},
        {Variant::R8(-2.5), VT_I2, S_OK, "-2"},
        {Variant::R8(32767.5), VT_I2, DISP_E_OVERFLOW, nullptr},
        {Variant::R8(1e10), VT_I4, DISP_E_OVERFLOW, nullptr},
        {Variant::I4(-1), VT_UI4, DISP_E_OVERFLOW, nullptr},
        {Variant::I4(70000), VT_I2, DISP_E_OVERFLOW, nullptr},
        {Variant::Text(" 12.5 "), VT_R8, S_OK, "12.5"},
        {Variant::Text("abc"), VT_I4, DISP_E_TYPEMISMATCH, nullptr},
        {Variant::Text(""), VT_I4, DISP_E_TYPEMISMATCH, nullptr},
        {Variant::Text("true"), VT_BOOL, S_OK, "True"},
        {Variant::Text("FALSE"), VT_I4, S_OK, "0"},
        {Variant::I4(1), VT_BOOL, S_OK, "True"}, // any non-zero value is true
        {Variant::I2(0), VT_BOOL, S_OK, "False"},
        {Variant::Bool(true), VT_I4, S_OK, "-1"},
        {Variant::R8(0.1), VT_BSTR, S_OK, "0.1"},
        {Variant::R8(1.0 / 3), VT_BSTR, S_OK, "0.333333333333333"}, // 15 digits
        {Variant::UI4(4000000000u), VT_R8, S_OK, "4000000000"},
        {Variant(), VT_I4, S_OK, "0"},
        {Variant(), VT_BSTR, S_OK, ""},
    };
    for (const auto& c : cases) {
        Variant out;
        EXPECT_EQ(VariantChangeType(&out, &c.from, 0, c.to), c.hr) << "from vt " << c.from.vt << " to " << c.to;
        if (c.text && SUCCEEDED(c.hr)) {
            EXPECT_EQ(out.vt, c.to);
            EXPECT_EQ(out.AsText(), c.text) << "from vt " << c.from.vt << " to " << c.to;
        }
    }
}

TEST(ComVariant, BooleansAsTextAndByReferenceSources) {
    Variant truth = Variant::Bool(true), text;
    ASSERT_EQ(VariantChangeType(&text, &truth, 0, VT_BSTR), S_OK);
    EXPECT_EQ(Utf8FromBstr(text.bstrVal), "-1");
    ASSERT_EQ(VariantChangeType(&text, &truth, VARIANT_ALPHABOOL, VT_BSTR), S_OK);
    EXPECT_EQ(Utf8FromBstr(text.bstrVal), "True");

    // A reference is read through, also a reference to a variant; the caller's value stays.
    double x = 7.5;
    Variant byRef = Variant::RefR8(&x), out;
    ASSERT_EQ(VariantChangeType(&out, &byRef, 0, VT_I4), S_OK);
    EXPECT_EQ(out.lVal, 8);
    Variant inner = Variant::Text("42");
    Variant toVariant = Variant::RefVariant(&inner);
    ASSERT_EQ(VariantChangeType(&out, &toVariant, 0, VT_R8), S_OK);
    EXPECT_EQ(out.dblVal, 42.0);
    EXPECT_EQ(inner.vt, VT_BSTR);

    // In place: the old string is freed, the number stays.
    Variant number = Variant::Text("-3");
    ASSERT_EQ(VariantChangeType(&number, &number, 0, VT_I2), S_OK);
    EXPECT_EQ(number.vt, VT_I2);
    EXPECT_EQ(number.iVal, -3);
    EXPECT_EQ(VariantChangeType(&out, &number, 0, VT_DISPATCH), DISP_E_TYPEMISMATCH);

    EXPECT_THROW(Variant::Text("x").AsLong(), rt::Error);
    try {
        Variant::R8(3e9).AsLong();
        FAIL();
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Number(), rt::errOverflow);
    }
}

TEST(ComVariant, CopiesOwnTheirStringsAndReferencesOwnNothing) {
    Variant a = Variant::Text("road");
    Variant b = a;
    EXPECT_NE(a.bstrVal, b.bstrVal);
    EXPECT_EQ(b.AsText(), "road");
    Variant moved = std::move(a);
    EXPECT_EQ(a.vt, VT_EMPTY);
    EXPECT_EQ(moved.AsText(), "road");

    BSTR caller = BstrFromUtf8("kept");
    {
        Variant ref = Variant::RefBstr(&caller);
        Variant copy;
        ASSERT_EQ(VariantCopyInd(&copy, &ref), S_OK);
        EXPECT_EQ(copy.vt, VT_BSTR);
        EXPECT_NE(copy.bstrVal, caller);
    }
    EXPECT_EQ(Utf8FromBstr(caller), "kept"); // neither the reference nor the copy freed it
    SysFreeString(caller);
}
