#include "platform/framework/MessageBox.h"
#include "platform/framework/Prompts.h"
#include "platform/framework/WidgetDialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>

#include <functional>

using namespace framework;

namespace {

// Runs `act` on the modal dialog as soon as it is open.
void whenModal(std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        }
    });
    timer->start(10);
}

struct App {
    int argc = 1;
    char name[8] = "test";
    char* argv[2] = {name, nullptr};
    QApplication application{argc, argv};
};

} // namespace

TEST(WidgetDialogs, AMessageBoxShowsTheRequestAndAnswersWithThePressedButton)
{
    App app;
    installWidgetDialogs();
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    whenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_TRUE(box);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = int(box->standardButtons());
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(showMessage("Are you sure to Delete the table", applicationCaption(), Buttons::YesNo, Icon::Information), Answer::No);
    EXPECT_EQ(title, "Varnel Desk 5.0");
    EXPECT_EQ(text, "Are you sure to Delete the table");
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_EQ(buttons, int(QMessageBox::Yes | QMessageBox::No));

    whenModal([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Cancel)->click(); });
    EXPECT_EQ(showMessage("Save?", applicationCaption(), Buttons::YesNoCancel, Icon::Question), Answer::Cancel);
    whenModal([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click(); });
    EXPECT_EQ(showMessage("Done."), Answer::Ok);
}

TEST(WidgetDialogs, APromptGivesTheEnteredTextOrNothingWhenCancelled)
{
    App app;
    installWidgetDialogs();
    QString label;
    QString initial;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        ASSERT_TRUE(dialog);
        label = dialog->labelText();
        initial = dialog->textValue();
        dialog->setTextValue("12");
        dialog->accept();
    });
    EXPECT_EQ(askText({"Go To", "\n  Goto Record #", "1", "GO"}), QString("12"));
    EXPECT_EQ(label, "\n  Goto Record #");
    EXPECT_EQ(initial, "1");

    whenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(askText({"Filter/Sort by", "\n   Enter the filter expression", "", ""}), std::nullopt);
}
