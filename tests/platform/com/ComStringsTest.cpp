#include "platform/com/com.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr GUID kSample = {0x4374E9C7, 0x967E, 0x408B, {0x99, 0xE8, 0x2B, 0x61, 0x67, 0x5F, 0x0C, 0x83}};

TEST(Bstr, CarriesItsLengthAndEmbeddedZerosAndEndsWithAZero)
{
    const OLECHAR text[] = u"ab\0cd";
    BSTR value = SysAllocStringLen(text, 5);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(SysStringLen(value), 5u);
    EXPECT_EQ(*reinterpret_cast<std::uint32_t*>(reinterpret_cast<char*>(value) - 4), 10u) << "byte length prefix";
    EXPECT_EQ(value[2], u'\0');
    EXPECT_EQ(value[5], u'\0');
    EXPECT_EQ(com::toQString(value), QString::fromUtf16(text, 5));
    SysFreeString(value);
}

TEST(Bstr, NullAndEmptyTexts)
{
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    SysFreeString(nullptr);
    EXPECT_TRUE(com::toQString(BSTR{nullptr}).isEmpty());

    BSTR empty = SysAllocString(u"");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(SysStringLen(empty), 0u);
    SysFreeString(empty);

    BSTR blank = SysAllocStringLen(nullptr, 3);
    EXPECT_EQ(SysStringLen(blank), 3u);
    EXPECT_EQ(blank[3], u'\0');
    SysFreeString(blank);
}

TEST(Bstr, QStringRoundTripKeepsNonLatinText)
{
    const QString text = QStringLiteral("Größe \u00e9\u4e2d");
    BSTR value = com::allocString(text);
    EXPECT_EQ(SysStringLen(value), static_cast<UINT>(text.size()));
    EXPECT_EQ(com::toQString(value), text);
    EXPECT_EQ(com::fromOleString(value), text);
    SysFreeString(value);
}

TEST(GuidText, BracedUpperCaseAndBack)
{
    EXPECT_EQ(com::guidToString(kSample), "{4374E9C7-967E-408B-99E8-2B61675F0C83}");
    OLECHAR buffer[kGuidStringChars];
    EXPECT_EQ(StringFromGUID2(kSample, buffer, kGuidStringChars), 39);
    EXPECT_EQ(QString::fromUtf16(buffer), "{4374E9C7-967E-408B-99E8-2B61675F0C83}");
    EXPECT_EQ(StringFromGUID2(kSample, buffer, kGuidStringChars - 1), 0) << "no room for the zero";

    CLSID parsed{};
    EXPECT_EQ(CLSIDFromString(u"{4374e9c7-967e-408b-99e8-2b61675f0c83}", &parsed), S_OK);
    EXPECT_EQ(parsed, kSample);
    EXPECT_EQ(com::guidToString(IID_IDispatch), "{00020400-0000-0000-C000-000000000046}");
}

TEST(GuidText, MalformedTextsAreRefusedWithoutTouchingTheResult)
{
    for (const char16_t* text : {u"", u"4374E9C7-967E-408B-99E8-2B61675F0C83", u"{4374E9C7-967E-408B-99E8-2B61675F0C8}",
                                 u"{4374E9C7-967E-408B-99E8-2B61675F0C83", u"{G374E9C7-967E-408B-99E8-2B61675F0C83}",
                                 u"{4374E9C7967E-408B-99E8-2B61675F0C83-}", u"Kestrine.FileBrowser.1"}) {
        CLSID parsed = kSample;
        EXPECT_EQ(CLSIDFromString(text, &parsed), CO_E_CLASSSTRING) << QString::fromUtf16(text).toStdString();
        EXPECT_EQ(parsed, kSample);
    }
    EXPECT_EQ(CLSIDFromString(nullptr, nullptr), E_INVALIDARG);
}

} // namespace
