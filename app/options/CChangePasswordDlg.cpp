#include "app/options/CChangePasswordDlg.h"

#include "app/options/GeneralOptionsModel.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

CChangePasswordDlg::CChangePasswordDlg(QWidget* parent)
    : QDialog(parent), m_entered(new QLineEdit(this)), m_confirmed(new QLineEdit(this))
{
    setObjectName(QStringLiteral("changePassword"));
    setWindowTitle(QStringLiteral("Change Password"));
    m_entered->setObjectName(QStringLiteral("enterPassword"));
    m_confirmed->setObjectName(QStringLiteral("confirmPassword"));
    for (QLineEdit* entry : {m_entered, m_confirmed})
        entry->setEchoMode(QLineEdit::Password);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CChangePasswordDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Enter Password:"), m_entered);
    layout->addRow(QStringLiteral("Confirm Password:"), m_confirmed);
    layout->addRow(buttons);
}

QString CChangePasswordDlg::password() const { return m_entered->text(); }

void CChangePasswordDlg::accept()
{
    if (GeneralOptionsModel::changePassword(m_entered->text(), m_confirmed->text()))
        QDialog::accept();
    else
        m_confirmed->selectAll();
}
