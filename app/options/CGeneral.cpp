#include "app/options/CGeneral.h"

#include "app/options/AppearanceRows.h"
#include "app/options/CChangePasswordDlg.h"
#include "app/options/LocaleLists.h"
#include "data/DateStyle.h"
#include "data/ProfileSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QComboBox* listPresetTo(const QStringList& entries, int position, const QString& name, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(entries);
    list->setCurrentIndex(position >= 0 && position < entries.size() ? position : -1);
    return list;
}
} // namespace

CGeneral::CGeneral(const OptionsServices& services, QWidget* parent)
    : QWidget(parent), m_services(services), m_model(services.reassociate), m_folder(new QLineEdit(this)),
      m_requirePassword(new QCheckBox(QStringLiteral("Require Password on startup?"), this)),
      m_password(new QLineEdit(this)), m_change(new QPushButton(QStringLiteral("Change"), this))
{
    setObjectName(QStringLiteral("generalPage"));
    const GeneralOptions shown = GeneralOptionsModel::shown();
    auto* grid = new QGridLayout;
    int row = addAppearanceRows(grid, 0, profile::General, GeneralOptionsModel::colours(), this);

    QComboBox* dateStyle = listPresetTo(dateStyles(), shown.Default_Date_Style, QStringLiteral("dateStyle"), this);
    connect(dateStyle, &QComboBox::currentIndexChanged, this, [this](int position) { m_model.dateStyleChosen(position); });
    grid->addWidget(new QLabel(QStringLiteral("Default Date Style"), this), row, 0);
    grid->addWidget(dateStyle, row++, 1, 1, 2);
    QComboBox* language = listPresetTo(languageNames(), shown.Default_Language, QStringLiteral("language"), this);
    connect(language, &QComboBox::currentIndexChanged, this, [this](int position) { m_model.languageChosen(position); });
    grid->addWidget(new QLabel(QStringLiteral("Language"), this), row, 0);
    grid->addWidget(language, row++, 1, 1, 2);

    m_folder->setObjectName(QStringLiteral("defaultFolder"));
    m_folder->setText(shown.DefaultDatabase);
    connect(m_folder, &QLineEdit::editingFinished, this, [this] { m_model.folderChanged(m_folder->text()); });
    auto* browse = new QPushButton(QStringLiteral("..."), this);
    browse->setObjectName(QStringLiteral("browseFolder"));
    connect(browse, &QPushButton::clicked, this, &CGeneral::chooseFolder);
    grid->addWidget(new QLabel(QStringLiteral("Default Database Folder"), this), row++, 0, 1, 3);
    grid->addWidget(m_folder, row, 0, 1, 2);
    grid->addWidget(browse, row++, 2);

    auto* mostRecent = new QCheckBox(QStringLiteral("Open most recent Database on startup"), this);
    mostRecent->setObjectName(QStringLiteral("openMostRecent"));
    mostRecent->setChecked(shown.OpenMostRecentDB == 1);
    connect(mostRecent, &QCheckBox::toggled, this, [this](bool checked) { m_model.openMostRecentToggled(checked); });
    grid->addWidget(mostRecent, row++, 0, 1, 3);

    auto* reassociate = new QPushButton(QStringLiteral("Go"), this);
    reassociate->setObjectName(QStringLiteral("reassociate"));
    connect(reassociate, &QPushButton::clicked, this, [this] { m_model.reassociate(); });
    grid->addWidget(new QLabel(QStringLiteral("Reassociate Database files with XN"), this), row, 0, 1, 2);
    grid->addWidget(reassociate, row++, 2);

    auto* passwordGroup = new QGroupBox(QStringLiteral("Password"), this);
    m_requirePassword->setObjectName(QStringLiteral("requirePassword"));
    m_requirePassword->setChecked(shown.PassWordReq == 1);
    m_password->setObjectName(QStringLiteral("password"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setText(shown.PassWord);
    m_change->setObjectName(QStringLiteral("changePassword"));
    enablePassword(m_requirePassword->isChecked());
    connect(m_requirePassword, &QCheckBox::toggled, this, [this](bool checked) {
        m_model.requirePasswordToggled(checked);
        enablePassword(checked);
    });
    connect(m_password, &QLineEdit::editingFinished, this, [this] { m_model.passwordLeft(m_password->text()); });
    connect(m_change, &QPushButton::clicked, this, &CGeneral::changePassword);
    auto* passwordLayout = new QGridLayout(passwordGroup);
    passwordLayout->addWidget(m_requirePassword, 0, 0, 1, 2);
    passwordLayout->addWidget(m_password, 1, 0);
    passwordLayout->addWidget(m_change, 1, 1);
    grid->addWidget(passwordGroup, row++, 0, 1, 3);

    grid->setColumnStretch(0, 1);
    grid->setRowStretch(row, 1);
    setLayout(grid);
}

QString CGeneral::password() const { return m_password->text(); }

void CGeneral::chooseFolder()
{
    const QString folder = m_services.chooseFolder ? m_services.chooseFolder(m_folder->text()) : QString();
    if (folder.isEmpty())
        return;
    m_folder->setText(folder);
    m_model.folderChanged(folder);
}

void CGeneral::changePassword()
{
    CChangePasswordDlg dialog(this);
    // OK in the sheet stores the box, so the box takes the new password; else OK would undo the change.
    if (dialog.exec() == QDialog::Accepted)
        m_password->setText(dialog.password());
}

void CGeneral::enablePassword(bool enabled)
{
    m_password->setEnabled(enabled);
    m_change->setEnabled(enabled);
}
