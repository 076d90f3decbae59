#pragma once
#include <QDialog>

class QLineEdit;

// "Enter Your Password": stays open until the stored password is typed or Cancel is pressed.
class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    explicit PasswordDialog(QString stored, QWidget* parent = nullptr);
    QLineEdit* entry() const { return m_entry; }

    void accept() override;
    void reject() override;

private:
    QString m_stored;
    QLineEdit* m_entry;
};
