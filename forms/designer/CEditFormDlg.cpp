#include "forms/designer/CEditFormDlg.h"

#include "data/FontOptions.h"
#include "data/ProfileSettings.h"
#include "forms/designer/CChooseMacroDlg.h"
#include "forms/designer/CCombinationGridCtrl.h"
#include "forms/designer/DesignCatalogue.h"
#include "forms/designer/FormDesign.h"
#include "forms/designer/PropertyRules.h"
#include "widgets/CColorChooser.h"
#include "widgets/CFontDialog.h"
#include "widgets/WindowSize.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {
const QString kFormProps = QStringLiteral("FormProps");
}

CEditFormDlg::CEditFormDlg(FormDesign& design, const DesignCatalogue& catalogue, DatabaseFormStore& store,
                           QWidget* parent)
    : QDialog(parent), m_design(design), m_catalogue(catalogue), m_store(store), m_name(new QLineEdit(this)),
      m_controls(new QComboBox(this)), m_type(new QLabel(this)), m_grid(new CCombinationGridCtrl(this)),
      m_save(new QPushButton(QStringLiteral("Save"), this)),
      m_formProps(new QPushButton(QStringLiteral("Control Props"), this)),
      m_close(new QPushButton(QStringLiteral("Close"), this))
{
    setWindowTitle(QStringLiteral("Edit Form"));
    m_name->setObjectName(QStringLiteral("formName"));
    m_controls->setObjectName(QStringLiteral("controlList"));
    m_type->setObjectName(QStringLiteral("controlType"));
    m_name->setText(design.formName());
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Form Name :"), this), 0, 0);
    layout->addWidget(m_name, 0, 1, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Control:"), this), 1, 0);
    layout->addWidget(m_controls, 1, 1, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Type:"), this), 2, 0);
    layout->addWidget(m_type, 2, 1, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Properties :"), this), 3, 0, 1, 3);
    layout->addWidget(m_grid, 4, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {m_save, m_formProps, m_close}) {
        buttons->addWidget(button);
        // Enter ends the edit of a cell or of the name; saving is the button's, never a key's by the way.
        button->setAutoDefault(false);
    }
    layout->addLayout(buttons, 5, 0, 1, 3);
    resizeToText(*this, 90, 32);

    fillControlList();
    connect(m_controls, &QComboBox::activated, this, [this](int entry) { showTarget(entry - 1); });
    connect(m_formProps, &QPushButton::clicked, this, &CEditFormDlg::switchPage);
    // What the grid holds is in the design already: closing, by the button or Escape, loses nothing.
    connect(m_close, &QPushButton::clicked, this, [this] {
        m_grid->commitOpenEditor();
        accept();
    });
    connect(m_save, &QPushButton::clicked, this, &CEditFormDlg::save);
    m_save->setShortcut(QKeySequence::Save);
    connect(m_grid, &CGridCtrl::editFinished, this, &CEditFormDlg::commit);
    connect(m_grid, &CGridCtrl::builderRequested, this, &CEditFormDlg::runBuilder);
    showTarget(m_design.reference());
}

void CEditFormDlg::fillControlList()
{
    m_controls->clear();
    m_controls->addItem(kFormProps);
    for (const PropertySet& control : m_design.controls())
        m_controls->addItem(ControlName(control));
}

void CEditFormDlg::showTarget(int target)
{
    if (target != FormDesign::kFormTarget && (target < 0 || target >= m_design.controls().size()))
        target = FormDesign::kFormTarget;
    m_refreshing = true;
    fillControlList();
    m_controls->setCurrentIndex(target + 1);
    if (target != FormDesign::kFormTarget)
        m_lastControl = target;
    const int kind = m_design.propertiesOf(target).kind;
    m_type->setText(kind == ControlKind::FormProps ? kFormProps : KindName(kind));
    m_grid->showProperties(m_design, target, m_catalogue.sources());
    m_refreshing = false;
}

void CEditFormDlg::switchPage()
{
    const bool onForm = m_grid->target() == FormDesign::kFormTarget;
    showTarget(onForm && m_lastControl >= 0 ? m_lastControl : FormDesign::kFormTarget);
}

void CEditFormDlg::commit(int row, int column, const QString& text)
{
    if (m_refreshing || column != 1)
        return;
    const int target = m_grid->target();
    m_design.setProperty(target, m_grid->propertyName(row), text);
    emit designChanged();
    // The grid shows what the design kept: a refused value goes, a bound field shows as stored. The
    // grid is filled again once the editor that reported the edit has gone.
    QTimer::singleShot(0, this, [this, target] { showTarget(target); });
}

void CEditFormDlg::runBuilder(int row)
{
    const QString name = m_grid->propertyName(row);
    std::optional<QString> value;
    if (IsEventProperty(name)) {
        value = CChooseMacroDlg::choose(m_catalogue.macros(), m_catalogue.modules(), this);
    } else if (IsColourProperty(name)) {
        const QString current = m_grid->text(row, 1);
        const unsigned colour = chooseColor(current.isEmpty() ? 0xFFFFFFu : unsigned(LeadingNumber(current)), this);
        value = QString::number(colour);
    } else if (const auto font = CFontDialog::ask(loadFontChoice(profile::Form), this)) {
        value = fontInfoText(*font);
    }
    if (value)
        setHandler(row, *value);
}

void CEditFormDlg::setHandler(int row, const QString& handler)
{
    m_design.setProperty(m_grid->target(), m_grid->propertyName(row), handler);
    emit designChanged();
    showTarget(m_grid->target());
}

bool CEditFormDlg::save()
{
    m_grid->commitOpenEditor();
    const bool saved = m_design.save(m_store, m_name->text());
    if (m_name->text().isEmpty())
        m_name->setFocus();
    return saved;
}
