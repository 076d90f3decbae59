#include "forms/controls/CharacterFilter.h"

#include <gtest/gtest.h>

namespace {

const QChar kBackspace(0x08);

TEST(CharacterClasses, FollowTheFieldsType)
{
    EXPECT_EQ(CharacterClassOf(12), CharacterClass::Text);
    EXPECT_EQ(CharacterClassOf(-1), CharacterClass::Text);
    EXPECT_EQ(CharacterClassOf(4), CharacterClass::Integer);
    EXPECT_EQ(CharacterClassOf(8), CharacterClass::Decimal);
    for (int other : {11, -7, -4, 0, 99})
        EXPECT_EQ(CharacterClassOf(other), CharacterClass::None) << other;
}

TEST(TextFields, TakeNamesAddressesAndAccentedLetters)
{
    EXPECT_EQ(TypeText(CharacterClass::Text, "Ann O'Brien-José"), "Ann O'Brien-José");
    EXPECT_EQ(TypeText(CharacterClass::Text, "12 Rue de l'Église, 3rd floor (№ 5) — 50% off!"),
              "12 Rue de l'Église, 3rd floor (№ 5) — 50% off!");
    EXPECT_EQ(TypeText(CharacterClass::Text, "tab\there\x01"), "tabhere");
    EXPECT_TRUE(AcceptsCharacter(CharacterClass::Text, "", 0, 0, QChar(' ')));
    EXPECT_TRUE(AcceptsCharacter(CharacterClass::Text, "", 0, 0, kBackspace));
}

TEST(IntegerFields, TakeDigitsAndOneLeadingMinus)
{
    EXPECT_EQ(TypeText(CharacterClass::Integer, "7"), "7");
    EXPECT_EQ(TypeText(CharacterClass::Integer, "x"), "");
    EXPECT_EQ(TypeText(CharacterClass::Integer, "-7"), "-7");
    EXPECT_EQ(TypeText(CharacterClass::Integer, "--7-3.5"), "-735");
    EXPECT_EQ(TypeText(CharacterClass::Integer, "١٢"), "");

    EXPECT_FALSE(AcceptsCharacter(CharacterClass::Integer, "12", 2, 2, '-'));
    EXPECT_TRUE(AcceptsCharacter(CharacterClass::Integer, "12", 0, 0, '-'));
    EXPECT_FALSE(AcceptsCharacter(CharacterClass::Integer, "-12", 0, 0, '-'));
    // Typing over a selected minus puts a new one in its place.
    EXPECT_TRUE(AcceptsCharacter(CharacterClass::Integer, "-12", 0, 1, '-'));
    EXPECT_TRUE(AcceptsCharacter(CharacterClass::Integer, "12", 1, 1, kBackspace));
}

TEST(DecimalFields, TakeOnePointAndOneLeadingMinus)
{
    EXPECT_EQ(TypeText(CharacterClass::Decimal, "-3.14.15"), "-3.1415");
    EXPECT_EQ(TypeText(CharacterClass::Decimal, ".5"), ".5");
    EXPECT_EQ(TypeText(CharacterClass::Decimal, "1e5"), "15");
    EXPECT_FALSE(AcceptsCharacter(CharacterClass::Decimal, "2.5", 3, 3, '.'));
    EXPECT_TRUE(AcceptsCharacter(CharacterClass::Decimal, "2.5", 1, 2, '.'));
    EXPECT_TRUE(AcceptsCharacter(CharacterClass::Decimal, "25", 1, 1, '.'));
}

TEST(OtherFields, RefuseAllTyping)
{
    EXPECT_EQ(TypeText(CharacterClass::None, "12/7/2026"), "");
    EXPECT_FALSE(AcceptsCharacter(CharacterClass::None, "x", 1, 1, kBackspace));
}

TEST(Typing, StopsAtTheMaximumLength)
{
    EXPECT_EQ(TypeText(CharacterClass::Text, "Baker Street", 5), "Baker");
    EXPECT_EQ(TypeText(CharacterClass::Integer, "1x2x3x4", 3), "123");
    EXPECT_EQ(TypeText(CharacterClass::Text, "Baker", 0), "Baker");
}

} // namespace
