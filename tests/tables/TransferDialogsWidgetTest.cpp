// The import, export and input-mask windows: what they show of a file, a table or the mask list, and
// that their controls reach the logic. With VARNEL_SHOTS set to a folder, the test leaves pictures there.
#include "TableFixture.h"
#include "data/SqlText.h"
#include "tables/delimited/CExportToFileDlg.h"
#include "tables/delimited/CImportFromFileDlg.h"
#include "tables/masks/CInputMask.h"
#include "tables/masks/CMaskedEdit.h"
#include "widgets/CGridCtrl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QProgressDialog>
#include <QStyle>
#include <QtTest>

class TransferDialogsWidgetTest : public QObject {
    Q_OBJECT

    struct Session {
        Session()
        {
            CreateDatabase(context, tables, QStringLiteral("\\Shop.cdb"));
            fDBInit(context, tables);
        }
        QString write(const char* name, const QByteArray& bytes)
        {
            QFile file(QString::fromStdString((root / name).string()));
            file.open(QIODevice::WriteOnly);
            file.write(bytes);
            return QStringLiteral("\\") + QString::fromLatin1(name);
        }
        TempRoot root;
        MessageRecorder messages;
        CAppContext context;
        RecordingTablesList tables;
    };

    static void shoot(QWidget& widget, const QString& name)
    {
        const QString folder = qEnvironmentVariable("VARNEL_SHOTS");
        if (!folder.isEmpty())
            widget.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

private slots:
    void importPreviewsTheFileAndCreatesTheTable()
    {
        Session s;
        const QString path = s.write("Staff.txt", "Name;Salary;Start;Code\n"
                                                  "Jos\xE9 N\xFA\xF1\x65z;1234.5;3/1/2024;0805\n"
                                                  "\"O'Hara; Liam\";987;12/24/2023;0100\n");
        CImportFromFileDlg dialog(s.context, path);
        // The file's delimiter and its first row of names are proposed.
        QVERIFY(s.messages.texts().isEmpty());
        QCOMPARE(dialog.delimiterBox()->currentText(), QString(";"));
        QVERIFY(dialog.firstRowBox()->isChecked());
        QVERIFY(!dialog.skipCommentsBox()->isChecked());
        dialog.firstRowBox()->setChecked(false);
        QCOMPARE(dialog.previewGrid()->rowCount(), 3);
        QCOMPARE(dialog.previewGrid()->horizontalHeaderItem(0)->text(), QString("Field0"));
        dialog.delimiterBox()->setEditText(",");
        emit dialog.delimiterBox()->lineEdit()->editingFinished();
        QCOMPARE(s.messages.texts(), QStringList({"Selected Delimiter is not present in the First Line"}));
        QCOMPARE(dialog.previewGrid()->columnCount(), 0);
        s.messages.clear();
        dialog.delimiterBox()->setEditText(";");
        emit dialog.delimiterBox()->lineEdit()->editingFinished();
        dialog.firstRowBox()->setChecked(true);
        QCOMPARE(dialog.previewGrid()->rowCount(), 2);
        QCOMPARE(dialog.previewGrid()->text(0, 0), QStringLiteral("Jos\u00e9 N\u00fa\u00f1ez"));
        QCOMPARE(dialog.previewGrid()->text(1, 0), QString("O'Hara; Liam"));
        dialog.selectColumn(1);
        QCOMPARE(dialog.nameEdit()->text(), QString("Salary"));
        QCOMPARE(dialog.typeBox()->currentText(), QString("Double"));
        QVERIFY(!dialog.sizeEdit()->isEnabled());
        dialog.selectColumn(3);
        QCOMPARE(dialog.typeBox()->currentText(), QString("Text"));
        QCOMPARE(dialog.sizeEdit()->text(), QString("50"));
        dialog.sizeEdit()->setText("4");
        emit dialog.sizeEdit()->textEdited("4");
        dialog.selectColumn(2);
        QCOMPARE(dialog.typeBox()->currentText(), QString("Date/Time"));
        dialog.show();
        shoot(dialog, "import-dialog");
        // Every column opens wide enough for its title and its values.
        CGridCtrl* preview = dialog.previewGrid();
        const int margins = 2 * (preview->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, preview) + 1);
        for (int column = 0; column < preview->columnCount(); ++column) {
            QVERIFY(preview->columnWidth(column) >= preview->horizontalHeader()->sectionSizeHint(column));
            for (int row = 0; row < preview->rowCount(); ++row)
                QVERIFY2(preview->columnWidth(column) >=
                             preview->fontMetrics().horizontalAdvance(preview->text(row, column)) + margins,
                         qPrintable(preview->text(row, column)));
        }

        s.messages.clear();
        dialog.importNow();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(s.messages.texts(), QStringList({"Imported 2 records into Staff"}));
        CDbRecordset records(s.context.connection, s.context.databasePath());
        QVERIFY(records.Open("SELECT * FROM Staff", 0, 1));
        QCOMPARE(records.GetRecordCount(), 2);
        QCOMPARE(records.GetFieldString(0), QStringLiteral("Jos\u00e9 N\u00fa\u00f1ez"));
        QCOMPARE(records.GetFieldString(1), QString("1234.5"));
        QCOMPARE(records.GetFieldString(3), QString("0805"));
    }

    // A tab-delimited file with notes on top and names the field rules refuse: the dialog proposes the tab,
    // skips the notes, shows the names it gives the fields (marked, the file's name on hovering), and Enter
    // in a box takes what was typed without starting the import.
    void importOfATabFileWithRenamedFields()
    {
        Session s;
        CDbRecordset taken(s.context.connection, s.context.databasePath());
        QVERIFY(taken.Open("CREATE TABLE contacts (A int)", 0, 1));
        const QString path = s.write("contacts.tsv", "# exported contacts\n"
                                                     "Contact Phone Number\teol-lts\tcreated_at\tName\n"
                                                     "555-0100\t2024-06-30\t2020-01-01\tAnn\n"
                                                     "555-0199\t2026-06-30\t2021-03-04\tBob\n");
        CImportFromFileDlg dialog(s.context, path);
        QVERIFY(s.messages.texts().isEmpty());
        QCOMPARE(dialog.delimiterBox()->currentText(), QString("[Tab]"));
        QVERIFY(dialog.skipCommentsBox()->isChecked());
        QVERIFY(dialog.firstRowBox()->isChecked());
        QCOMPARE(dialog.tableEdit()->text(), QString("contacts2"));
        QStringList titles;
        for (int column = 0; column < dialog.previewGrid()->columnCount(); ++column)
            titles << dialog.previewGrid()->horizontalHeaderItem(column)->text();
        QCOMPARE(titles, QStringList({"ContactPhoneNumber", "eolLts", "createdAt", "Name"}));
        QVERIFY(dialog.previewGrid()->horizontalHeaderItem(0)->font().italic());
        QVERIFY(!dialog.previewGrid()->horizontalHeaderItem(3)->font().italic());
        QCOMPARE(dialog.previewGrid()->horizontalHeaderItem(1)->toolTip(), QString("\"eol-lts\" in the file"));
        dialog.selectColumn(2);
        QCOMPARE(dialog.nameEdit()->text(), QString("createdAt"));
        QTest::keyClicks(dialog.nameEdit(), "Day");
        QCOMPARE(dialog.previewGrid()->horizontalHeaderItem(2)->text(), QString("createdAtDay"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        shoot(dialog, "import-tab-renamed");

        for (QLineEdit* box : {dialog.nameEdit(), dialog.delimiterBox()->lineEdit(), dialog.tableEdit()}) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY(dialog.isVisible());
            QVERIFY(s.messages.texts().isEmpty());
        }
        QVERIFY(tableIdOf(s.context, "contacts2").isEmpty());

        dialog.importNow();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(s.messages.texts(),
                 QStringList({"Imported 2 records into contacts2\nFields renamed: \"Contact Phone Number\" as "
                              "ContactPhoneNumber, \"eol-lts\" as eolLts, \"created_at\" as createdAtDay"}));
        CDbRecordset records(s.context.connection, s.context.databasePath());
        QVERIFY(records.Open("SELECT ContactPhoneNumber, Name FROM contacts2", 0, 1));
        QCOMPARE(records.GetRecordCount(), 2);
        QCOMPARE(records.GetFieldString(0), QString("555-0100"));
        QCOMPARE(records.GetFieldString(1), QString("Ann"));
    }

    // A long import shows its progress; Cancel there leaves no table behind and the dialog open.
    void cancelledImportLeavesNothing()
    {
        Session s;
        // Long enough that the import outlasts the progress box's delay on any machine.
        QByteArray lines = "Id,Name\n";
        for (int i = 0; i < 1000000; ++i)
            lines += QByteArray::number(i) + ",Name " + QByteArray::number(i) + "\n";
        CImportFromFileDlg dialog(s.context, s.write("Big.txt", lines));
        dialog.firstRowBox()->setChecked(true);
        dialog.show();
        bool seen = false;
        QTimer poll;
        poll.setInterval(50);
        connect(&poll, &QTimer::timeout, [&] {
            auto* progress = dialog.findChild<QProgressDialog*>();
            if (!progress || !progress->isVisible() || progress->value() <= 0)
                return;
            seen = true;
            shoot(*progress, "import-progress");
            progress->cancel();
            poll.stop();
        });
        poll.start();
        dialog.importNow();
        QVERIFY(seen);
        QVERIFY(dialog.result() != QDialog::Accepted);
        QVERIFY(tableIdOf(s.context, "Big").isEmpty());
    }

    void exportWritesTheChosenFile()
    {
        Session s;
        CDbRecordset create(s.context.connection, s.context.databasePath());
        QVERIFY(create.Open("CREATE TABLE Notes (Title varchar(20), Pages int)", 0, 1));
        QVERIFY(create.Open("INSERT INTO Notes VALUES ('a, b', 3)", 0, 1));
        CExportToFileDlg dialog(s.context, "Notes");
        QVERIFY(dialog.file()->text().endsWith("/Notes.txt"));
        dialog.delimiter()->setEditText("|");
        dialog.show();
        shoot(dialog, "export-dialog");
        QVERIFY(dialog.exportNow());
        QFile file(dialog.file()->text());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Title|Pages\r\n\"a, b\"|3\r\n"));
        QCOMPARE(s.messages.texts(), QStringList({"Exported Successfully"}));
    }

    void maskDialogListsTriesAndChoosesAMask()
    {
        Session s;
        CInputMask dialog("");
        QCOMPARE(dialog.list()->rowCount(), 10);
        QCOMPARE(dialog.list()->text(0, 2), QString("000-###"));
        QCOMPARE(dialog.list()->text(1, 0), QString("Social Security Number"));
        dialog.list()->selectSingleRow(1);
        QTest::keyClicks(dialog.tryIt(), "12x43124233");
        QCOMPARE(dialog.tryIt()->text(), QString("12-43-124233"));
        QCOMPARE(dialog.tryIt()->storedText(), QString("1243124233"));
        QTest::keyClick(dialog.tryIt(), Qt::Key_Backspace);
        QCOMPARE(dialog.tryIt()->text(), QString("12-43-12423_"));
        dialog.show();
        shoot(dialog, "input-mask");
        QCOMPARE(dialog.chooser().result(), QString("##-##-######;0;_"));
    }
};

QTEST_MAIN(TransferDialogsWidgetTest)
#include "TransferDialogsWidgetTest.moc"
