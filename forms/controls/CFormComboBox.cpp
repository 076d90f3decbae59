#include "forms/controls/CFormComboBox.h"

#include "tables/masks/CMaskedEdit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>

namespace {
// Tells when its list opens.
class DropDownCombo : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> onDropDown;
    void showPopup() override
    {
        if (onDropDown)
            onDropDown();
        QComboBox::showPopup();
    }
};
} // namespace

CFormComboBox::CFormComboBox(PropertySet properties, int index, QWidget* parent)
    : CFormControl(std::move(properties), index, parent)
{
    auto* combo = new DropDownCombo(this);
    combo->onDropDown = [this] { raise("OnDropDown"); };
    m_combo = combo;
    m_combo->setEditable(true);
    m_edit = new CMaskedEdit(m_combo);
    m_combo->setLineEdit(m_edit);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    setBody(m_combo);
    const auto changed = [this] {
        if (m_settingText)
            return;
        raise("OnChange");
        emit edited();
    };
    connect(m_combo->lineEdit(), &QLineEdit::textEdited, this, changed);
    connect(m_combo, &QComboBox::activated, this, [this, changed](int item) {
        // The list put the item's text into the edit as it is; the mask shows it as a typed value.
        if (!m_edit->mask().isEmpty())
            setText(m_combo->itemText(item));
        raise("OnClick");
        changed();
    });
    connect(m_combo->view()->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { raise("OnScroll"); });
    watch(m_combo->lineEdit());
    applyProperties();
}

QString CFormComboBox::text() const { return m_edit->revealedText(); }

void CFormComboBox::setText(const QString& text)
{
    m_settingText = true;
    m_combo->setCurrentIndex(m_combo->findText(text));
    if (m_edit->mask().isEmpty())
        m_combo->setEditText(text);
    else
        m_edit->setMask(m_edit->mask(), m_edit->mask().storedOfCell(text, false));
    // A value longer than the box reads from its start until the user goes into it.
    if (!m_edit->hasFocus())
        m_edit->setCursorPosition(0);
    m_settingText = false;
}

void CFormComboBox::setInputMask(const QString& property)
{
    const InputMask mask = InputMask::fromProperty(property);
    m_edit->setMask(mask, mask.storedOfCell(text(), false));
}

void CFormComboBox::setItems(const QStringList& items)
{
    if (items == m_items)
        return;
    m_items = items;
    const QString current = text();
    m_settingText = true;
    m_combo->clear();
    m_combo->addItems(items);
    if (isYes("Sorted"))
        m_combo->model()->sort(0);
    m_settingText = false;
    setText(current);
}

QWidget* CFormComboBox::focusTarget() const { return m_combo; }

void CFormComboBox::applyKindProperties()
{
    m_combo->view()->setVerticalScrollBarPolicy(isYes("Style") ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    if (isYes("Sorted"))
        m_combo->model()->sort(0);
}
