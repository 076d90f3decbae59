#include "app/options/CTableOptions.h"

#include "app/options/AppearanceRows.h"
#include "app/options/TableFormOptionsModel.h"
#include "data/ProfileSettings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
QCheckBox* checkBox(const QString& text, const QString& name, bool checked, void (*toggled)(bool), QWidget* parent)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    QObject::connect(box, &QCheckBox::toggled, parent, toggled);
    return box;
}
} // namespace

CTableOptions::CTableOptions(QWidget* parent) : QWidget(parent)
{
    using Model = TableFormOptionsModel;
    setObjectName(QStringLiteral("tableFormPage"));
    const Model::Shown shown = Model::shown();
    auto* grid = new QGridLayout;
    int row = addAppearanceRows(grid, 0, profile::TableForm, Model::colours(), this);

    auto* columnSize = new QLineEdit(shown.columnSize, this);
    columnSize->setObjectName(QStringLiteral("columnSize"));
    connect(columnSize, &QLineEdit::editingFinished, this, [columnSize] { Model::columnSizeLeft(columnSize->text()); });
    grid->addWidget(new QLabel(QStringLiteral("Default Column Size (Twips)"), this), row, 0);
    grid->addWidget(columnSize, row++, 1);

    grid->addWidget(checkBox(QStringLiteral("Sort by clicking field header"), QStringLiteral("sortByFieldOrder"),
                             shown.sortByFieldOrder, &Model::sortByFieldOrderToggled, this),
                    row++, 0, 1, 2);
    auto* confirm = new QGroupBox(QStringLiteral("Confirm On"), this);
    auto* confirmLayout = new QVBoxLayout(confirm);
    confirmLayout->addWidget(checkBox(QStringLiteral("Adding a record"), QStringLiteral("confirmOnAdding"),
                                      shown.confirmOnAdding, &Model::confirmOnAddingToggled, confirm));
    confirmLayout->addWidget(checkBox(QStringLiteral("Deleting a record"), QStringLiteral("confirmOnDeleting"),
                                      shown.confirmOnDeleting, &Model::confirmOnDeletingToggled, confirm));
    grid->addWidget(confirm, row++, 0, 1, 2);
    grid->addWidget(checkBox(QStringLiteral("Auto Add Captions in Form Creation?"), QStringLiteral("autoAddCaption"),
                             shown.autoAddCaption, &Model::autoAddCaptionToggled, this),
                    row++, 0, 1, 2);

    grid->setColumnStretch(0, 1);
    grid->setRowStretch(row, 1);
    setLayout(grid);
}
