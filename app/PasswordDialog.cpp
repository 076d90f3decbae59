#include "app/PasswordDialog.h"

#include "app/shell/PasswordCheck.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>

PasswordDialog::PasswordDialog(QString stored, QWidget* parent)
    : QDialog(parent), m_stored(std::move(stored)), m_entry(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Enter Your Password"));
    m_entry->setObjectName(QStringLiteral("passwordEntry"));
    m_entry->setEchoMode(QLineEdit::Password);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PasswordDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PasswordDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_entry);
    layout->addWidget(buttons);
}

void PasswordDialog::accept()
{
    if (passwordEntered(m_entry->text(), m_stored))
        QDialog::accept();
    else
        m_entry->selectAll();
}

void PasswordDialog::reject()
{
    passwordCancelled();
    QDialog::reject();
}
