#include "app/options/CKeyOptions.h"

#include "widgets/ColumnFit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// A group of radio buttons numbered from 1; `chosen` is checked.
QGroupBox* radioGroup(const QString& title, const QStringList& texts, int chosen, QWidget* parent,
                      const std::function<void(int)>& choose)
{
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    auto* buttons = new QButtonGroup(group);
    for (int i = 0; i < texts.size(); ++i) {
        auto* button = new QRadioButton(texts.at(i), group);
        buttons->addButton(button, i + 1);
        button->setChecked(i + 1 == chosen);
        layout->addWidget(button);
    }
    QObject::connect(buttons, &QButtonGroup::idClicked, group, choose);
    return group;
}
} // namespace

CKeyOptions::CKeyOptions(const QStringList& actionNames, QWidget* parent)
    : QWidget(parent), m_model(actionNames), m_nextField(new QCheckBox(QStringLiteral("Next field"), this)),
      m_nextCharacter(new QCheckBox(QStringLiteral("Next Character"), this)), m_actions(new QComboBox(this)),
      m_keys(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("keyOptionsPage"));
    QGroupBox* move = radioGroup(QStringLiteral("Move after enter"),
                                 {QStringLiteral("Don't Move"), QStringLiteral("Next Field"), QStringLiteral("Next Record")},
                                 m_model.moveAfterEnter(), this, [this](int choice) {
                                     m_model.chooseMoveAfterEnter(KeyOptionsModel::MoveAfterEnter(choice));
                                 });
    move->setObjectName(QStringLiteral("moveAfterEnter"));
    QGroupBox* entry = radioGroup(
        QStringLiteral("When entering field"),
        {QStringLiteral("Select entire field"), QStringLiteral("Goto start of field"), QStringLiteral("Goto end of field")},
        m_model.fieldEntry(), this, [this](int choice) { m_model.chooseFieldEntry(choice); });
    entry->setObjectName(QStringLiteral("whenEnteringField"));

    auto* arrows = new QGroupBox(QStringLiteral("Arrow Key Behavior"), this);
    auto* arrowsLayout = new QVBoxLayout(arrows);
    m_nextField->setObjectName(QStringLiteral("arrowsNextField"));
    m_nextCharacter->setObjectName(QStringLiteral("arrowsNextCharacter"));
    m_nextField->setChecked(m_model.arrowsToNextField());
    m_nextCharacter->setChecked(m_model.arrowsToNextCharacter());
    arrowsLayout->addWidget(m_nextField);
    arrowsLayout->addWidget(m_nextCharacter);
    connect(m_nextField, &QCheckBox::toggled, this, [this](bool checked) {
        m_model.setArrowsToNextField(checked);
        const QSignalBlocker quiet(m_nextCharacter);
        m_nextCharacter->setChecked(m_model.arrowsToNextCharacter());
    });
    connect(m_nextCharacter, &QCheckBox::toggled, this, [this](bool checked) {
        m_model.setArrowsToNextCharacter(checked);
        const QSignalBlocker quiet(m_nextField);
        m_nextField->setChecked(m_model.arrowsToNextField());
    });

    m_actions->setObjectName(QStringLiteral("selectAction"));
    m_actions->addItems(m_model.actionNames());
    m_keys->setObjectName(QStringLiteral("hotKeys"));
    m_keys->setColumnCount(3);
    m_keys->setHeaderLabels({QStringLiteral("HotKeys"), QStringLiteral("FunctionAssigned"), QStringLiteral("Key")});
    m_keys->setRootIsDecorated(false);
    m_keys->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_keys->header()->setStretchLastSection(true);
    for (const KeyOptionsModel::Row& row : m_model.rows())
        new QTreeWidgetItem(m_keys, {row.hotKey, QString(), row.desktopKey});
    showRows();
    // Several keys in view at once, whatever the font.
    m_keys->setMinimumHeight(m_keys->header()->sizeHint().height() +
                             m_keys->sizeHintForRow(0) * std::min(int(m_model.rows().size()), 5) +
                             2 * m_keys->frameWidth());
    connect(m_keys, &QTreeWidget::currentItemChanged, this, &CKeyOptions::showSelectedAction);
    connect(m_actions, &QComboBox::activated, this, [this](int action) {
        m_model.chooseAction(m_keys->indexOfTopLevelItem(m_keys->currentItem()), action);
        showRows();
    });
    connect(m_keys, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        m_model.clearAction(m_keys->indexOfTopLevelItem(item));
        showRows();
    });

    auto* unmap = new QCheckBox(QStringLiteral("Unmap Buttons In Background"), this);
    unmap->setObjectName(QStringLiteral("unmapButtons"));
    connect(unmap, &QCheckBox::toggled, this, [this](bool checked) {
        if (checked) {
            m_model.unmapAll();
            showRows();
        }
    });

    auto* choices = new QHBoxLayout;
    choices->addWidget(move);
    choices->addWidget(entry);
    auto* actionLine = new QHBoxLayout;
    actionLine->addWidget(new QLabel(QStringLiteral("Select Action :"), this));
    actionLine->addWidget(m_actions, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(arrows);
    layout->addLayout(actionLine);
    layout->addWidget(m_keys, 1);
    auto* keysNote = new QLabel(QStringLiteral("On this keyboard the buttons are the keys of the Key column, Ctrl+Alt+1 "
                                               "to Ctrl+Alt+0. They act in the datasheet and in forms; F1, the arrows "
                                               "and Enter keep their own meaning."),
                                this);
    keysNote->setObjectName(QStringLiteral("desktopKeysNote"));
    keysNote->setWordWrap(true);
    layout->addWidget(keysNote);
    layout->addWidget(unmap);
}

void CKeyOptions::showRows()
{
    const QList<KeyOptionsModel::Row>& rows = m_model.rows();
    for (int i = 0; i < rows.size(); ++i)
        m_keys->topLevelItem(i)->setText(1, m_model.actionText(rows.at(i).action));
    widenColumnsToFit(*m_keys, *m_keys->header());
    showSelectedAction();
}

void CKeyOptions::showSelectedAction()
{
    const int row = m_keys->indexOfTopLevelItem(m_keys->currentItem());
    const QSignalBlocker quiet(m_actions);
    m_actions->setCurrentIndex(row >= 0 ? m_model.rows().at(row).action : -1);
}
