#include "app/options/CHistoryOptions.h"

#include "app/options/HistoryOptionsModel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace {
QSpinBox* limitBox(const QString& name, int value, const QString& suffix, void (*changed)(int), QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0, 1000000);
    box->setSpecialValueText(QStringLiteral("Keep everything"));
    box->setSuffix(suffix);
    box->setValue(value);
    QObject::connect(box, &QSpinBox::valueChanged, parent, changed);
    return box;
}
} // namespace

CHistoryOptions::CHistoryOptions(const CAppContext& context, QWidget* parent) : QWidget(parent)
{
    using Model = HistoryOptionsModel;
    setObjectName(QStringLiteral("historyPage"));
    const Model::Shown shown = Model::shown();
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Keep history for"), this), 0, 0);
    grid->addWidget(limitBox(QStringLiteral("keepDays"), shown.keepDays, QStringLiteral(" days"), &Model::keepDaysChanged,
                             this),
                    0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Keep at most"), this), 1, 0);
    grid->addWidget(limitBox(QStringLiteral("keepMegabytes"), shown.keepMegabytes, QStringLiteral(" MB"),
                             &Model::keepMegabytesChanged, this),
                    1, 1);
    auto* clear = new QPushButton(QStringLiteral("Clear History"), this);
    clear->setObjectName(QStringLiteral("clearHistory"));
    connect(clear, &QPushButton::clicked, this, [&context] { HistoryOptionsModel::clearHistory(context); });
    grid->addWidget(clear, 2, 0, 1, 2, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
}
