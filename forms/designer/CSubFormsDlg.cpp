#include "forms/designer/CSubFormsDlg.h"

#include "forms/designer/FormDesign.h"
#include "forms/format/CtrlProps.h"
#include "platform/framework/MessageBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

CSubFormsDlg::CSubFormsDlg(FormDesign& design, const QStringList& sources, QWidget* parent)
    : QDialog(parent), m_design(design), m_subforms(new QListWidget(this)), m_sources(new QListWidget(this)),
      m_name(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Sub Forms"));
    m_sources->addItems(sources);
    auto* assignButton = new QPushButton(QStringLiteral("Assign"), this);
    auto* close = new QPushButton(QStringLiteral("OK"), this);
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Sub Forms"), this), 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Sources"), this), 0, 1);
    layout->addWidget(m_subforms, 1, 0);
    layout->addWidget(m_sources, 1, 1);
    layout->addWidget(m_name, 2, 0);
    layout->addWidget(assignButton, 2, 1);
    layout->addWidget(close, 3, 1);
    connect(m_subforms, &QListWidget::currentTextChanged, this, [this](const QString& entry) {
        m_name->setText(entry.section(QStringLiteral(" - "), 0, 0));
        const auto found = m_sources->findItems(m_design.subforms().value(m_name->text()), Qt::MatchExactly);
        if (!found.isEmpty())
            m_sources->setCurrentItem(found.first());
    });
    connect(assignButton, &QPushButton::clicked, this, &CSubFormsDlg::assign);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    fill();
}

void CSubFormsDlg::fill()
{
    m_subforms->clear();
    for (auto it = m_design.subforms().cbegin(); it != m_design.subforms().cend(); ++it)
        m_subforms->addItem(it.key() + QStringLiteral(" - ") + it.value());
}

bool CSubFormsDlg::assign()
{
    const QString name = m_name->text().trimmed();
    if (!ValidateObjectName(name)) {
        framework::showMessage(QStringLiteral("Invalid Form Name : ") + name);
        return false;
    }
    if (!m_sources->currentItem())
        return false;
    m_design.assignSubform(name, m_sources->currentItem()->text());
    fill();
    return true;
}
