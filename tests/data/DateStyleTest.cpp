// Dates shown in the chosen Date Style and read back from it, against the engine's own text.
#include "data/DateStyle.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QSet>

TEST(DateStyle, TheListStartsWithTheEngineStyleAndKeepsEveryCentury)
{
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German),
                                  QLocale(QLocale::French), QLocale(QLocale::Japanese), QLocale::c()}) {
        const QStringList styles = dateStyles(locale);
        ASSERT_FALSE(styles.isEmpty());
        EXPECT_EQ(styles.first(), "M/d/yyyy") << "position 0, the stored default, is how dates always showed";
        EXPECT_EQ(styles.size(), QSet<QString>(styles.begin(), styles.end()).size());
        for (const QString& style : styles)
            EXPECT_TRUE(style.contains("yyyy")) << style.toStdString();
    }
    // The United States' own short style is the engine's once its year has four digits.
    EXPECT_FALSE(dateStyles(QLocale(QLocale::English, QLocale::UnitedStates)).contains("M/d/yy"));
    EXPECT_EQ(dateStyleAt(0), "M/d/yyyy");
    EXPECT_EQ(dateStyleAt(-1), "M/d/yyyy");
    EXPECT_EQ(dateStyleAt(100000), "M/d/yyyy");
}

TEST(DateStyle, ADateShownInAStyleReadsBackAsTheSameDate)
{
    // Day before month, month before day, names, dots and dashes: what is shown is what comes back, never
    // a day and month swapped.
    for (const QString style : {"d/M/yyyy", "dd.MM.yyyy", "yyyy-MM-dd", "d MMM yyyy", "M/d/yyyy", "MM/dd/yyyy"}) {
        for (const QString engine : {"3/4/2026", "12/31/1999", "1/1/1900", "2/29/2024", "3/4/2026 10:05:09 AM",
                                     "12/7/2026 11:59:59 PM"}) {
            const QString shown = styledDate(engine, style);
            EXPECT_EQ(engineDate(shown, style), engine) << style.toStdString() << " " << shown.toStdString();
        }
    }
    EXPECT_EQ(styledDate("3/4/2026", "d/M/yyyy"), "4/3/2026");
    EXPECT_EQ(styledDate("3/4/2026", "yyyy-MM-dd"), "2026-03-04");
    EXPECT_EQ(styledDate("3/4/2026 10:05:09 AM", "dd.MM.yyyy"), "04.03.2026 10:05:09 AM");
    // Typed in the style as it is shown, read as the style says.
    EXPECT_EQ(engineDate("4/3/2026", "d/M/yyyy"), "3/4/2026");
    EXPECT_EQ(engineDate(" 04.03.2026 ", "dd.MM.yyyy"), "3/4/2026");
}

TEST(DateStyle, WhatIsNoDateInTheStyleIsLeftToTheEngine)
{
    // A time alone, an empty value, a text and a date that does not exist pass as they are.
    for (const QString text : {"10:05:09 AM", "", "tomorrow", "2/30/2026", "13/1/2026"})
        EXPECT_EQ(styledDate(text, "dd.MM.yyyy"), text) << text.toStdString();
    for (const QString typed : {"", "tomorrow", "31.02.2026", "12/7/2026"})
        EXPECT_EQ(engineDate(typed, "dd.MM.yyyy"), typed) << typed.toStdString();
    // The engine's style changes nothing, whatever the text.
    EXPECT_EQ(styledDate("12/7/2026", "M/d/yyyy"), "12/7/2026");
    EXPECT_EQ(engineDate(" 12/07/2026", "M/d/yyyy"), " 12/07/2026");
}
