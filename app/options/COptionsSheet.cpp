#include "app/options/COptionsSheet.h"

#include "app/options/CGeneral.h"
#include "app/options/CHistoryOptions.h"
#include "app/options/CKeyOptions.h"
#include "app/options/CTableOptions.h"
#include "data/CAppContext.h"
#include "widgets/WindowSize.h"

#include <QDialogButtonBox>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

COptionsSheet::COptionsSheet(CAppContext& context, OptionsServices services, QWidget* parent)
    : QDialog(parent), m_context(context), m_services(std::move(services)), m_pages(new QTabWidget(this)),
      m_general(new CGeneral(m_services, this))
{
    setObjectName(QStringLiteral("optionsSheet"));
    setWindowTitle(QStringLiteral("Options"));
    QStringList actionNames;
    for (int i = 0; i < CAppContext::kKeyActionCount; ++i)
        actionNames << context.keyActionNames.at(i);
    m_pages->addTab(scrollingPage(m_general), QStringLiteral("General"));
    m_pages->addTab(scrollingPage(new CTableOptions(this)), QStringLiteral("Table/Form"));
    m_pages->addTab(scrollingPage(new CKeyOptions(actionNames, this)), QStringLiteral("KeyOptions"));
    m_pages->addTab(scrollingPage(new CHistoryOptions(context, this)), QStringLiteral("History"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionsSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
    // Every page whole where the screen has the room; on a short one the pages scroll.
    resizeToText(*this, 64, 44);
}

void COptionsSheet::accept()
{
    GeneralOptionsModel::sheetAccepted(m_general->password(), m_context);
    if (m_services.settingsReloaded)
        m_services.settingsReloaded();
    QDialog::accept();
}
