#include "forms/designer/CFormSourceDlg.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CFormSourceDlg::CFormSourceDlg(const QStringList& sources, QWidget* parent)
    : QDialog(parent), m_sources(new QListWidget(this)), m_autoForm(new QRadioButton(QStringLiteral("AutoForm"), this)),
      m_customForm(new QRadioButton(QStringLiteral("CustomForm"), this))
{
    setWindowTitle(QStringLiteral("Form Source"));
    m_sources->setObjectName(QStringLiteral("sourceList"));
    m_sources->addItems(sources);
    m_customForm->setChecked(true);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto* choices = new QHBoxLayout;
    choices->addWidget(m_autoForm);
    choices->addWidget(m_customForm);
    choices->addStretch(1);
    choices->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_sources);
    layout->addLayout(choices);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_sources, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

QString CFormSourceDlg::source() const
{
    const QListWidgetItem* item = m_sources->currentItem();
    return item ? item->text() : QString();
}

bool CFormSourceDlg::autoForm() const { return m_autoForm->isChecked(); }
