#include "forms/controls/CFormButton.h"

#include "forms/controls/ControlLook.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

namespace {
QAbstractButton* makeButton(int kind, QWidget* parent)
{
    switch (kind) {
    case ControlKind::CheckBox: return new QCheckBox(parent);
    case ControlKind::RadioButton: {
        // Each radio button stands for its own field, so ticking one never clears another.
        auto* radio = new QRadioButton(parent);
        radio->setAutoExclusive(false);
        return radio;
    }
    default: return new QPushButton(parent);
    }
}
} // namespace

CFormButton::CFormButton(PropertySet properties, int index, QWidget* parent)
    : CFormControl(std::move(properties), index, parent), m_button(makeButton(kind(), this)), m_row(new QHBoxLayout)
{
    m_row->setContentsMargins(0, 0, 0, 0);
    m_row->addWidget(m_button);
    static_cast<QBoxLayout*>(layout())->addLayout(m_row);
    connect(m_button, &QAbstractButton::clicked, this, [this] {
        raise("OnClick");
        if (m_button->isCheckable())
            emit edited();
    });
    watch(m_button);
    applyProperties();
}

QString CFormButton::text() const { return m_button->text(); }

bool CFormButton::isTicked() const { return m_button->isChecked(); }

void CFormButton::setTicked(bool ticked) { m_button->setChecked(ticked); }

QWidget* CFormButton::focusTarget() const { return m_button; }

void CFormButton::applyKindProperties()
{
    m_button->setText(property("Caption"));
    if (auto* push = qobject_cast<QPushButton*>(m_button)) {
        push->setDefault(isYes("Default Button"));
        push->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        return;
    }
    m_row->setAlignment(m_button, StoredAlignment(property("Alignment")) | Qt::AlignVCenter);
}
