#include "app/ServerDatabaseDialog.h"
#include "platform/cedb/ServerAccess.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

// The server database dialog's wiring: what is typed becomes an address without a password, OK waits for
// a server and a database, and an address chosen before fills the boxes again.
class ServerDatabaseDialogWidgetTest : public QObject {
    Q_OBJECT

    template <typename T> static T* find(QDialog& dialog, const char* name)
    {
        return dialog.findChild<T*>(QString::fromLatin1(name));
    }
    static QPushButton* ok(QDialog& dialog)
    {
        return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    }

private slots:
    void typedBoxesMakeTheAddress()
    {
        ServerDatabaseDialog dialog(QStringLiteral("Open Server Database"));
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Open Server Database"));
        QVERIFY(!ok(dialog)->isEnabled());
        auto* host = find<QLineEdit>(dialog, "host");
        host->clear();
        QTest::keyClicks(host, QStringLiteral("db.example.com"));
        find<QSpinBox>(dialog, "port")->setValue(5433);
        QTest::keyClicks(find<QLineEdit>(dialog, "database"), QStringLiteral("shop & co"));
        QVERIFY(ok(dialog)->isEnabled());
        auto* user = find<QLineEdit>(dialog, "user");
        user->clear();
        QTest::keyClicks(user, QStringLiteral("ann"));
        const QString address = dialog.address();
        QCOMPARE(address, QStringLiteral("postgresql:///shop%20%26%20co?host=db.example.com&port=5433&user=ann"));
        const cedb::ServerPlace place = cedb::serverPlace(address);
        QCOMPARE(place.database, QStringLiteral("shop & co"));
        QCOMPARE(place.description(), QStringLiteral("the database shop & co on db.example.com:5433 as ann"));
        find<QLineEdit>(dialog, "database")->clear();
        QVERIFY(!ok(dialog)->isEnabled());
    }

    void anAddressChosenBeforeFillsTheBoxes()
    {
        ServerDatabaseDialog dialog(QStringLiteral("Copy Database To"));
        dialog.setAddress(QStringLiteral("postgresql:///books?host=%2Ftmp%2Fpg&port=6000&user=bo"));
        QCOMPARE(find<QLineEdit>(dialog, "host")->text(), QStringLiteral("/tmp/pg"));
        QCOMPARE(find<QSpinBox>(dialog, "port")->value(), 6000);
        QCOMPARE(find<QLineEdit>(dialog, "database")->text(), QStringLiteral("books"));
        QCOMPARE(find<QLineEdit>(dialog, "user")->text(), QStringLiteral("bo"));
        QVERIFY(ok(dialog)->isEnabled());
        QCOMPARE(dialog.address(), QStringLiteral("postgresql:///books?host=%2Ftmp%2Fpg&port=6000&user=bo"));
    }
};

QTEST_MAIN(ServerDatabaseDialogWidgetTest)
#include "ServerDatabaseDialogWidgetTest.moc"
