#include "forms/controls/CFormDateTime.h"

#include "data/DateStyle.h"
#include "platform/automation/variant.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QEvent>

namespace {
// Tells when its calendar opens.
class CalendarWatcher : public QObject {
public:
    CalendarWatcher(QObject* parent, std::function<void()> opened) : QObject(parent), m_opened(std::move(opened)) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            m_opened();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_opened;
};

QDateTime fromSerial(double serial)
{
    const automation::DateParts parts = automation::toDateParts(serial);
    return QDateTime(QDate(parts.year, parts.month, parts.day), QTime(parts.hour, parts.minute, parts.second));
}
} // namespace

CFormDateTime::CFormDateTime(PropertySet properties, int index, QWidget* parent)
    : CFormControl(std::move(properties), index, parent), m_picker(new QDateTimeEdit(this))
{
    setBody(m_picker);
    m_picker->setCalendarPopup(true);
    m_picker->calendarWidget()->installEventFilter(
        new CalendarWatcher(this, [this] { raise("OnDropDown"); }));
    connect(m_picker, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (m_settingText)
            return;
        m_empty = false;
        raise("OnChange");
        emit edited();
    });
    watch(m_picker);
    applyProperties();
}

// The whole value, date and time, whatever part the control shows, so that storing it loses nothing.
QString CFormDateTime::text() const
{
    if (m_empty)
        return {};
    const QDateTime value = m_picker->dateTime();
    double serial = 0;
    automation::fromDateParts(value.date().year(), value.date().month(), value.date().day(), value.time().hour(),
                              value.time().minute(), value.time().second(), serial);
    return automation::formatDate(serial);
}

void CFormDateTime::setText(const QString& text)
{
    double serial = 0;
    m_settingText = true;
    m_empty = !automation::parseDate(text, serial);
    m_picker->setDateTime(m_empty ? QDateTime(QDate::currentDate(), QTime()) : fromSerial(serial));
    m_settingText = false;
}

QWidget* CFormDateTime::focusTarget() const { return m_picker; }

void CFormDateTime::applyKindProperties()
{
    const QString style = property("Style");
    if (SameText(style, QStringLiteral("Time"))) {
        m_picker->setDisplayFormat(QStringLiteral("h:mm:ss AP"));
        m_picker->setCalendarPopup(false);
        return;
    }
    m_picker->setCalendarPopup(true);
    // A short date shows in the Date Style of the options; the value stays the engine's text either way.
    m_picker->setDisplayFormat(SameText(style, QStringLiteral("LongDate")) ? QStringLiteral("dddd, MMMM d, yyyy")
                                                                          : chosenDateStyle());
}
