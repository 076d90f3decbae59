#include "forms/controls/CFormControl.h"

#include "forms/controls/ControlLook.h"

#include <QEvent>
#include <QVBoxLayout>

CFormControl::CFormControl(PropertySet properties, int index, QWidget* parent)
    : QWidget(parent), m_properties(std::move(properties)), m_index(index)
{
    setObjectName(name());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
}

void CFormControl::setBody(QWidget* body) { layout()->addWidget(body); }

void CFormControl::setProperties(PropertySet properties)
{
    m_properties = std::move(properties);
    setObjectName(name());
    applyProperties();
}

void CFormControl::setStoredColours(bool stored)
{
    m_storedColours = stored;
    applyColours();
}

void CFormControl::applyProperties()
{
    if (m_properties.names.contains(QStringLiteral("Top"))) {
        const ControlRect rect = GetLocation(m_properties);
        setGeometry(rect.left, rect.top, std::max(rect.width(), 1), std::max(rect.height(), 1));
    }
    setHidden(!isYes("Visible"));
    setEnabled(!isNo("Enabled"));
    if (QWidget* target = focusTarget())
        target->setFocusPolicy(isYes("Tab Stop") ? Qt::StrongFocus : Qt::ClickFocus);
    if (hasProperty("Font Info"))
        setFont(StoredFont(property("Font Info")));
    applyColours();
    applyKindProperties();
}

// The text is black on the stored background, drawn without a background of its own.
void CFormControl::applyColours()
{
    const QString background = GetProperty(m_properties, QString::fromLatin1(backgroundProperty()));
    if (!m_storedColours || !hasProperty(backgroundProperty())) {
        setPalette(QPalette());
        setAutoFillBackground(false);
        return;
    }
    QPalette colours = palette();
    const QColor colour = StoredColor(background);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        colours.setColor(role, colour);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        colours.setColor(role, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
}

void CFormControl::raise(const char* eventProperty)
{
    if (hasProperty(eventProperty))
        emit eventRaised(QString::fromLatin1(eventProperty));
}

void CFormControl::watch(QWidget* widget, const char* tapEvent)
{
    widget->installEventFilter(this);
    if (tapEvent)
        m_tapEvents.insert(widget, tapEvent);
}

bool CFormControl::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn: raise("OnGotFocus"); break;
    case QEvent::FocusOut: raise("OnLostFocus"); break;
    case QEvent::MouseButtonRelease:
        if (const char* tap = m_tapEvents.value(watched))
            raise(tap);
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}
