#pragma once
// The General options page: fonts and colours of the database window, date style, language, default
// folder, start-up choices, the file association and the password.
#include "app/options/GeneralOptionsModel.h"
#include "app/options/OptionsServices.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

class CGeneral : public QWidget {
    Q_OBJECT
public:
    CGeneral(const OptionsServices& services, QWidget* parent = nullptr);

    // The password box, which OK in the sheet stores.
    QString password() const;

private:
    void chooseFolder();
    void changePassword();
    void enablePassword(bool enabled);

    const OptionsServices& m_services;
    GeneralOptionsModel m_model;
    QLineEdit* m_folder;
    QCheckBox* m_requirePassword;
    QLineEdit* m_password;
    QPushButton* m_change;
};
