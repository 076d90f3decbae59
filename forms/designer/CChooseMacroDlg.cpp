#include "forms/designer/CChooseMacroDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CChooseMacroDlg::CChooseMacroDlg(const QStringList& macros, const QStringList& modules, QWidget* parent)
    : QDialog(parent), m_macros(new QListWidget(this)), m_modules(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Choose Macro/Module"));
    m_macros->setObjectName(QStringLiteral("macroList"));
    m_modules->setObjectName(QStringLiteral("moduleList"));
    // The empty entry clears the property.
    m_macros->addItem(QString());
    m_macros->addItems(macros);
    m_modules->addItems(modules);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("CANCEL"), QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Macros"), this));
    layout->addWidget(m_macros);
    layout->addWidget(new QLabel(QStringLiteral("Modules"), this));
    layout->addWidget(m_modules);
    layout->addWidget(buttons);
    connect(m_macros, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            m_modules->setCurrentItem(nullptr);
        take(item);
    });
    connect(m_modules, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            m_macros->setCurrentItem(nullptr);
        take(item);
    });
    for (QListWidget* list : {m_macros, m_modules})
        connect(list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
            take(item);
            accept();
        });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CChooseMacroDlg::take(QListWidgetItem* item)
{
    if (item)
        m_chosen = item->text();
}

std::optional<QString> CChooseMacroDlg::choose(const QStringList& macros, const QStringList& modules, QWidget* parent)
{
    CChooseMacroDlg dialog(macros, modules, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}
