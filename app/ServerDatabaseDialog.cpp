#include "app/ServerDatabaseDialog.h"

#include "platform/cedb/ServerAccess.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

ServerDatabaseDialog::ServerDatabaseDialog(const QString& title, QWidget* parent)
    : QDialog(parent), m_host(new QLineEdit(QStringLiteral("localhost"), this)), m_port(new QSpinBox(this)),
      m_database(new QLineEdit(this)), m_user(new QLineEdit(qEnvironmentVariable("USER"), this))
{
    setWindowTitle(title);
    m_host->setObjectName(QStringLiteral("host"));
    m_port->setObjectName(QStringLiteral("port"));
    m_database->setObjectName(QStringLiteral("database"));
    m_user->setObjectName(QStringLiteral("user"));
    m_port->setRange(1, 65535);
    m_port->setValue(5432);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Server:"), m_host);
    form->addRow(QStringLiteral("&Port:"), m_port);
    form->addRow(QStringLiteral("&Database:"), m_database);
    form->addRow(QStringLiteral("&User:"), m_user);
    auto* note = new QLabel(QStringLiteral("The password is asked for when the server wants one, unless your "
                                           "password file (~/.pgpass) holds it. It is never stored."),
                            this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_host, &QLineEdit::textChanged, this, &ServerDatabaseDialog::enableOk);
    connect(m_database, &QLineEdit::textChanged, this, &ServerDatabaseDialog::enableOk);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    enableOk();
    m_database->setFocus();
}

void ServerDatabaseDialog::enableOk()
{
    m_ok->setEnabled(!m_host->text().trimmed().isEmpty() && !m_database->text().trimmed().isEmpty());
}

QString ServerDatabaseDialog::address() const
{
    return cedb::serverAddress(m_host->text().trimmed(), m_port->value(), m_database->text().trimmed(),
                               m_user->text().trimmed());
}

void ServerDatabaseDialog::setAddress(const QString& address)
{
    const cedb::ServerPlace place = cedb::serverPlace(address);
    m_host->setText(place.host.isEmpty() ? QStringLiteral("localhost") : place.host);
    m_port->setValue(place.port);
    m_database->setText(place.database);
    m_user->setText(place.user);
}
