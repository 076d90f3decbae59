#include "platform/automation/variant.h"

#include <gtest/gtest.h>

namespace {

Variant converted(const Variant& source, VARTYPE target, HRESULT expected = S_OK)
{
    Variant out;
    EXPECT_EQ(source.changeType(target, out), expected);
    return out;
}

// A dispatch object that counts its references and answers its default member with a fixed value.
class CountedObject : public IDispatch {
public:
    explicit CountedObject(Variant value) : m_value(std::move(value)) {}
    ULONG references = 1;
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return ++references; }
    ULONG Release() override { return --references; }
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override
    {
        if (id != DISPID_VALUE)
            return DISP_E_MEMBERNOTFOUND;
        *result = m_value;
        return S_OK;
    }

private:
    Variant m_value;
};

TEST(VariantLifetime, CopiesAndClearsKeepObjectReferencesBalanced)
{
    CountedObject object{Variant(std::int32_t(1))};
    {
        Variant held(&object);
        EXPECT_EQ(object.references, 2u);
        Variant copy(held);
        Variant assigned;
        assigned = copy;
        EXPECT_EQ(object.references, 4u);
        Variant moved(std::move(copy));
        EXPECT_EQ(object.references, 4u);
        assigned.clear();
        EXPECT_TRUE(assigned.isEmpty());
        EXPECT_EQ(object.references, 3u);
        held = held; // self-assignment keeps the reference
        EXPECT_EQ(object.references, 3u);
    }
    EXPECT_EQ(object.references, 1u);
}

TEST(VariantLifetime, ArraysCopyDeeply)
{
    SafeArray array = SafeArray::vector(3);
    array.elements[1] = Variant(QStringLiteral("b"));
    Variant original(std::move(array));
    Variant copy = original;
    copy.array().elements[1] = Variant(std::int32_t(7));
    EXPECT_EQ(original.array().elements[1].string(), "b");
    EXPECT_TRUE(original.isArray());
    EXPECT_EQ(original.vt(), VT_ARRAY | VT_VARIANT);
}

TEST(SafeArrayTest, OffsetsRunFirstDimensionFastestAndRefuseOutOfRange)
{
    const SafeArray grid = SafeArray::create({{1, 3}, {0, 2}});
    EXPECT_EQ(grid.elements.size(), 6u);
    EXPECT_EQ(grid.offset({1, 0}), 0);
    EXPECT_EQ(grid.offset({3, 0}), 2);
    EXPECT_EQ(grid.offset({1, 1}), 3);
    EXPECT_EQ(grid.offset({0, 0}), -1);
    EXPECT_EQ(grid.offset({4, 1}), -1);
    EXPECT_EQ(grid.offset({1}), -1);
    EXPECT_EQ(SafeArray::vector(0).elements.size(), 0u);
}

TEST(ChangeTypeNumbers, IntegersRoundHalfToEvenAndReportOverflow)
{
    EXPECT_EQ(converted(Variant(2.5), VT_I4).i4(), 2);
    EXPECT_EQ(converted(Variant(3.5), VT_I4).i4(), 4);
    EXPECT_EQ(converted(Variant(-2.5), VT_I2).i2(), -2);
    EXPECT_EQ(converted(Variant(32767.4), VT_I2).i2(), 32767);
    converted(Variant(32767.5), VT_I2, DISP_E_OVERFLOW);
    converted(Variant(std::int32_t(-32769)), VT_I2, DISP_E_OVERFLOW);
    converted(Variant(2147483648.0), VT_I4, DISP_E_OVERFLOW);
    converted(Variant(std::int32_t(256)), VT_UI1, DISP_E_OVERFLOW);
    converted(Variant(1e39), VT_R4, DISP_E_OVERFLOW);
    EXPECT_EQ(converted(Variant(std::int16_t(-5)), VT_R8).r8(), -5.0);
}

TEST(ChangeTypeNumbers, FailureLeavesTheTargetUntouched)
{
    Variant out(std::int32_t(42));
    EXPECT_EQ(Variant(QStringLiteral("abc")).changeType(VT_I4, out), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(out.vt(), VT_I4);
    EXPECT_EQ(out.i4(), 42);
}

TEST(ChangeTypeNumbers, ConvertsInPlace)
{
    Variant value(QStringLiteral(" 12 "));
    ASSERT_EQ(value.changeType(VT_I2, value), S_OK);
    EXPECT_EQ(value.vt(), VT_I2);
    EXPECT_EQ(value.i2(), 12);
}

TEST(ChangeTypeBooleans, AreMinusOneAndZeroEverywhere)
{
    EXPECT_EQ(converted(Variant(true), VT_I4).i4(), -1);
    EXPECT_EQ(converted(Variant(false), VT_R8).r8(), 0.0);
    EXPECT_EQ(converted(Variant(0.1), VT_BOOL).boolVal(), VARIANT_TRUE);
    EXPECT_EQ(converted(Variant(std::int32_t(0)), VT_BOOL).boolVal(), VARIANT_FALSE);
    EXPECT_EQ(Variant(true).toString(), "-1");
    EXPECT_EQ(Variant(false).toString(), "0");
    EXPECT_EQ(converted(Variant(QStringLiteral("TRUE")), VT_BOOL).boolVal(), VARIANT_TRUE);
    EXPECT_EQ(converted(Variant(QStringLiteral(" false ")), VT_BOOL).boolVal(), VARIANT_FALSE);
    EXPECT_EQ(converted(Variant(QStringLiteral("-1")), VT_BOOL).boolVal(), VARIANT_TRUE);
    EXPECT_EQ(converted(Variant(QStringLiteral("0")), VT_BOOL).boolVal(), VARIANT_FALSE);
    converted(Variant(QStringLiteral("maybe")), VT_BOOL, DISP_E_TYPEMISMATCH);
}

TEST(ChangeTypeSpecialValues, EmptyIsZeroOrBlankAndNullConvertsOnlyToItself)
{
    EXPECT_EQ(converted(Variant(), VT_I4).i4(), 0);
    EXPECT_EQ(converted(Variant(), VT_BSTR).string(), "");
    EXPECT_EQ(converted(Variant(), VT_DATE).date(), 0.0);
    converted(Variant::null(), VT_I4, DISP_E_TYPEMISMATCH);
    converted(Variant::null(), VT_BSTR, DISP_E_TYPEMISMATCH);
    EXPECT_TRUE(converted(Variant::null(), VT_NULL).isNull());
    EXPECT_TRUE(converted(Variant(1.5), VT_EMPTY).isEmpty());

    bool ok = true;
    EXPECT_EQ(Variant::null().toString(&ok), "");
    EXPECT_FALSE(ok);
    converted(Variant::fromError(E_FAIL), VT_BSTR, DISP_E_TYPEMISMATCH);
    converted(Variant(SafeArray::vector(1)), VT_I4, DISP_E_TYPEMISMATCH);
    converted(Variant(std::int32_t(1)), VT_ARRAY | VT_VARIANT, DISP_E_TYPEMISMATCH);
}

TEST(ChangeTypeText, ParsesNumbersAndRefusesTheRest)
{
    EXPECT_EQ(converted(Variant(QStringLiteral("12")), VT_I4).i4(), 12);
    EXPECT_EQ(converted(Variant(QStringLiteral("1.5")), VT_I4).i4(), 2);
    EXPECT_EQ(converted(Variant(QStringLiteral("-3")), VT_I2).i2(), -3);
    EXPECT_EQ(converted(Variant(QStringLiteral("1,000")), VT_I4).i4(), 1000);
    EXPECT_EQ(converted(Variant(QStringLiteral("&HFF")), VT_I4).i4(), 255);
    EXPECT_DOUBLE_EQ(converted(Variant(QStringLiteral("2.5E3")), VT_R8).r8(), 2500.0);
    converted(Variant(QStringLiteral("")), VT_I4, DISP_E_TYPEMISMATCH);
    converted(Variant(QStringLiteral("12abc")), VT_I4, DISP_E_TYPEMISMATCH);
    converted(Variant(QStringLiteral("40000")), VT_I2, DISP_E_OVERFLOW);
    converted(Variant(QStringLiteral("1e400")), VT_R8, DISP_E_OVERFLOW);
}

TEST(ChangeTypeText, NumbersAndDatesBecomeTheirTextForms)
{
    EXPECT_EQ(Variant(std::int32_t(-42)).toString(), "-42");
    EXPECT_EQ(Variant(0.25).toString(), "0.25");
    EXPECT_EQ(Variant(1.0 / 3.0).toString(), "0.333333333333333");
    EXPECT_EQ(Variant(float(0.1f)).toString(), "0.1");
    EXPECT_EQ(Variant::fromCurrency(125000).toString(), "12.5");
    EXPECT_EQ(Variant::fromCurrency(-5).toString(), "-0.0005");
    EXPECT_EQ(Variant::fromDate(46363.0).toString(), "12/7/2026");
    EXPECT_EQ(Variant::fromByte(200).toString(), "200");
}

TEST(ChangeTypeDates, TextAndNumbersBecomeDatesWithinTheCalendar)
{
    EXPECT_EQ(converted(Variant(QStringLiteral("12/7/2026")), VT_DATE).date(), 46363.0);
    EXPECT_EQ(converted(Variant(std::int32_t(2)), VT_DATE).date(), 2.0);
    converted(Variant(3e6), VT_DATE, DISP_E_OVERFLOW);
    converted(Variant(-7e5), VT_DATE, DISP_E_OVERFLOW);
    converted(Variant(QStringLiteral("not a date")), VT_DATE, DISP_E_TYPEMISMATCH);
    EXPECT_EQ(converted(Variant::fromDate(1.5), VT_R8).r8(), 1.5);
}

TEST(ChangeTypeObjects, ConvertThroughTheirDefaultValue)
{
    CountedObject object{Variant(QStringLiteral("17"))};
    const Variant held(&object);
    EXPECT_EQ(converted(held, VT_I4).i4(), 17);
    EXPECT_EQ(held.toString(), "17");
    converted(Variant(static_cast<IDispatch*>(nullptr)), VT_I4, DISP_E_TYPEMISMATCH);
    converted(Variant(std::int32_t(1)), VT_DISPATCH, DISP_E_TYPEMISMATCH);
    EXPECT_EQ(converted(held, VT_DISPATCH).dispatch(), &object);
}

} // namespace
