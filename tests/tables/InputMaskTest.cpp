// Input masks: what each position accepts, how typed values are stored and shown, and the mask list the
// dialog keeps in the profile.
#include "platform/framework/Profile.h"
#include "support/MessageRecorder.h"
#include "support/TempRoot.h"
#include "tables/masks/MaskChooser.h"

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

QString typed(const InputMask& mask, const QString& keys)
{
    MaskedText text(mask);
    for (const QChar key : keys)
        text.type(key);
    return text.display() + QLatin1Char('|') + text.stored();
}

} // namespace

TEST(InputMaskTest, TenDigitsThroughTheSocialSecurityMask)
{
    const InputMask without = InputMask::fromProperty("##-##-######;0;_");
    EXPECT_EQ(typed(without, "1243124233"), "12-43-124233|1243124233");
    EXPECT_EQ(typed(InputMask("##-##-######", true), "1243124233"), "12-43-124233|12-43-124233");
    EXPECT_EQ(without.display("1243124233"), "12-43-124233");
    EXPECT_EQ(without.display("124"), "12-4_-______");
    EXPECT_EQ(InputMask("##-##-######", true, u'#').display("12-4"), "12-4#-######");
    EXPECT_EQ(without.toProperty(), "##-##-######;0;_");
    EXPECT_EQ(InputMask::fromProperty("(###)###;;*").toProperty(), "(###)###;;*");
    EXPECT_EQ(typed(without, ""), "__-__-______|");
}

TEST(InputMaskTest, EachPositionAcceptsItsCharacters)
{
    MaskedText text(InputMask("#-?"));
    EXPECT_FALSE(text.type(u'x'));
    EXPECT_EQ(text.caret(), 0);
    EXPECT_TRUE(text.type(u'7'));
    EXPECT_EQ(text.caret(), 2); // past the literal
    EXPECT_FALSE(text.type(u'3'));
    EXPECT_TRUE(text.type(u'k'));
    EXPECT_EQ(text.display(), "7-k");

    const InputMask mask("09?LAa&*");
    EXPECT_EQ(mask.accept(1, u' '), u' ');
    EXPECT_TRUE(mask.accept(0, u' ').isNull());
    EXPECT_TRUE(mask.accept(3, u'5').isNull());
    EXPECT_EQ(mask.accept(4, u'5'), u'5');
    EXPECT_EQ(mask.accept(6, u' '), u' ');
    EXPECT_TRUE(mask.accept(6, u'5').isNull());
    EXPECT_EQ(typed(InputMask("****"), "pa55"), "****|pa55");
}

TEST(InputMaskTest, CaseModesAndErasing)
{
    EXPECT_EQ(typed(InputMask(">??" "<??"), "aBcDe"), "ABCde_|ABCde");
    EXPECT_EQ(typed(InputMask(">L??"), "abc"), "ABC_|ABC");
    EXPECT_EQ(typed(InputMask("<LL"), "QRS"), "qrs|qrs");
    EXPECT_EQ(typed(InputMask("##:## ??"), "1245pm"), "12:45 pm|1245pm");

    MaskedText text(InputMask("##-##", false), "1234");
    text.setCaret(3);
    text.erasePrevious(); // over the dash to the 2
    EXPECT_EQ(text.display(), "1_-34");
    EXPECT_EQ(text.stored(), "134");
    text.erase(0, 5);
    EXPECT_EQ(text.stored(), "");
    EXPECT_EQ(InputMask::plainNumber("(234)125-45.50"), "23412545.50");
    EXPECT_EQ(InputMask::plainNumber("-1,234"), "-1234");
}

TEST(InputMaskTest, FirstStartListAndItsChanges)
{
    TempRoot root;
    MessageRecorder messages;
    MaskChooser first("");
    ASSERT_EQ(first.masks().size(), 10);
    EXPECT_EQ(first.masks()[9], (MaskEntry{"LongDate", "12-Des-99", "##-??" "?-##"}));
    EXPECT_EQ(first.shownMask(0), "000-###");
    EXPECT_EQ(first.masks()[0].mask, "###-###");
    EXPECT_TRUE(framework::GetProfileString("INPUTMASK", "MasksList").startsWith("Zip Code~233-128~###-###~Social"));

    MaskChooser again("##-##-######;0;_");
    EXPECT_EQ(again.shownMask(0), "###-###");
    EXPECT_EQ(again.selected(), 1);
    again.setStoresSymbols(true);
    again.setPlaceholder(u'#');
    EXPECT_EQ(again.result(), "##-##-######;;#");

    MaskChooser chooser("");
    EXPECT_FALSE(chooser.startEdit());
    EXPECT_EQ(messages.texts(), QStringList({"Select an inputmask to Edit"}));
    EXPECT_FALSE(chooser.result());
    EXPECT_FALSE(chooser.add({"Bad", "x", "#~#"}));
    EXPECT_TRUE(chooser.add({"Part No", "AB-12", ">LL-##"}));
    chooser.select(3);
    ASSERT_TRUE(chooser.startEdit());
    EXPECT_TRUE(chooser.replaceSelected({"Ext", "123", "###"}));
    const QList<MaskEntry> stored = masklist::load();
    ASSERT_EQ(stored.size(), 11);
    EXPECT_EQ(stored[3], (MaskEntry{"Ext", "123", "###"}));
    EXPECT_EQ(stored[10], (MaskEntry{"Part No", "AB-12", ">LL-##"}));
}
