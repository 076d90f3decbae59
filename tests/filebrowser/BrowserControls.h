#pragma once

#include "filebrowser/browser/BrowserRow.h"
#include "support/WidgetApplication.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <QWidget>


// The chooser's window driven the way a user would, through its controls found by their names.
class BrowserControls {
public:
    explicit BrowserControls(QWidget* dialog) : m_dialog(dialog) {}

    template <typename T>
    T* child(const char* name) const
    {
        T* found = m_dialog->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QTreeView* details() const { return child<QTreeView>("detailsList"); }

    QStringList shownNames() const
    {
        QStringList names;
        const QAbstractItemModel* model = details()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            names << model->index(row, browser::Name).data().toString();
        return names;
    }

    QPoint centreOf(const QString& name) const
    {
        const QModelIndexList found = details()->model()->match(details()->model()->index(0, browser::Name),
                                                                Qt::DisplayRole, name, 1, Qt::MatchExactly);
        EXPECT_EQ(found.size(), 1) << name.toStdString();
        details()->scrollTo(found.value(0));
        return details()->visualRect(found.value(0)).center();
    }

    void click(const QString& name) { QTest::mouseClick(details()->viewport(), Qt::LeftButton, {}, centreOf(name)); }
    // A double click is a press and release followed by a second press that the system reports as double.
    void doubleClick(const QString& name)
    {
        const QPoint at = centreOf(name);
        QTest::mouseClick(details()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(details()->viewport(), Qt::LeftButton, {}, at);
    }
    void press(const char* button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    void clickHeader(int column)
    {
        QHeaderView* header = details()->header();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }

private:
    QWidget* m_dialog;
};
