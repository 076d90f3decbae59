#pragma once
#include <QDialog>

class QLineEdit;

// "Change Password": closes on OK only when both entries agree, after storing the password.
class CChangePasswordDlg : public QDialog {
    Q_OBJECT
public:
    explicit CChangePasswordDlg(QWidget* parent = nullptr);

    QString password() const;
    void accept() override;

private:
    QLineEdit* m_entered;
    QLineEdit* m_confirmed;
};
