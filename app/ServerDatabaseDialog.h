#pragma once
// Which database on which server: its server, port, database and user. The password is not asked here:
// the server asks for it when it wants one, and the user's libpq password file may answer first.
#include <QDialog>

class QLineEdit;
class QPushButton;
class QSpinBox;

class ServerDatabaseDialog : public QDialog {
    Q_OBJECT
public:
    ServerDatabaseDialog(const QString& title, QWidget* parent = nullptr);

    // The database's address as filled in, never with a password.
    QString address() const;
    // Fills the boxes from an address chosen before.
    void setAddress(const QString& address);

private:
    void enableOk();

    QLineEdit* m_host;
    QSpinBox* m_port;
    QLineEdit* m_database;
    QLineEdit* m_user;
    QPushButton* m_ok = nullptr;
};
