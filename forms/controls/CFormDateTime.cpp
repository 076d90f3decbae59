#include "forms/controls/CFormDateTime.h"

#include "data/DateStyle.h"
#include "platform/automation/variant.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>
#include <QToolButton>

#include <cmath>

namespace {
QDateTime fromSerial(double serial)
{
    const automation::DateParts parts = automation::toDateParts(serial);
    return QDateTime(QDate(parts.year, parts.month, parts.day), QTime(parts.hour, parts.minute, parts.second));
}

std::optional<double> toSerial(const QDate& day, const QTime& time)
{
    double serial = 0;
    if (!automation::fromDateParts(day.year(), day.month(), day.day(), time.hour(), time.minute(), time.second(),
                                   serial))
        return std::nullopt;
    return serial;
}
} // namespace

CFormDateTime::CFormDateTime(PropertySet properties, int index, QWidget* parent)
    : CFormControl(std::move(properties), index, parent), m_line(new QLineEdit), m_calendarButton(new QToolButton)
{
    auto* body = new QWidget(this);
    auto* row = new QHBoxLayout(body);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(m_line, 1);
    row->addWidget(m_calendarButton);
    setBody(body);
    m_calendarButton->setArrowType(Qt::DownArrow);
    m_calendarButton->setFocusPolicy(Qt::NoFocus);
    connect(m_calendarButton, &QToolButton::clicked, this, &CFormDateTime::openCalendar);
    connect(m_line, &QLineEdit::textEdited, this, [this] {
        m_typed = true;
        raise("OnChange");
        emit edited();
    });
    watch(m_line);
    applyProperties();
}

bool CFormDateTime::showsTimeOnly() const { return SameText(property("Style"), QStringLiteral("Time")); }

QString CFormDateTime::text() const
{
    // A date is read in the style it is shown in.
    const QString typed = showsTimeOnly() ? m_line->text().trimmed() : engineDate(m_line->text().trimmed(), m_format);
    if (!m_typed)
        return m_value ? automation::formatDate(*m_value) : QString();
    if (typed.isEmpty())
        return {};
    double serial = 0;
    if (!automation::parseDate(typed, serial))
        return typed;
    // A time typed into a box that shows only the time stays on the day the value had.
    if (m_value && serial >= 0 && serial < 1)
        serial += std::floor(*m_value);
    return automation::formatDate(serial);
}

void CFormDateTime::setText(const QString& text)
{
    double serial = 0;
    m_value = automation::parseDate(text, serial) ? std::optional<double>(serial) : std::nullopt;
    m_typed = false;
    showValue();
}

void CFormDateTime::showValue()
{
    const QLocale shownIn = showsTimeOnly() ? QLocale::c() : QLocale::system();
    m_line->setText(m_value ? shownIn.toString(fromSerial(*m_value), m_format) : QString());
}

QWidget* CFormDateTime::focusTarget() const { return m_line; }

void CFormDateTime::openCalendar()
{
    if (!m_calendar) {
        m_calendar = new QCalendarWidget(this);
        m_calendar->setWindowFlags(Qt::Popup);
        connect(m_calendar, &QCalendarWidget::clicked, this, &CFormDateTime::pick);
        connect(m_calendar, &QCalendarWidget::activated, this, &CFormDateTime::pick);
    }
    double serial = 0;
    const QString shown = text();
    if (automation::parseDate(shown, serial))
        m_calendar->setSelectedDate(fromSerial(serial).date());
    else
        m_calendar->setSelectedDate(QDate::currentDate());
    m_calendar->move(m_line->mapToGlobal(QPoint(0, m_line->height())));
    m_calendar->show();
    raise("OnDropDown");
}

// The day picked keeps the time of day the value had.
void CFormDateTime::pick(const QDate& day)
{
    if (m_calendar)
        m_calendar->hide();
    double serial = 0;
    const QTime time = automation::parseDate(text(), serial) ? fromSerial(serial).time() : QTime(0, 0);
    const std::optional<double> picked = toSerial(day, time);
    if (!picked)
        return;
    m_value = picked;
    m_typed = false;
    showValue();
    raise("OnChange");
    emit edited();
}

bool CFormDateTime::eventFilter(QObject* watched, QEvent* event)
{
    // Clicking into the box selects what it shows, so that a date typed replaces it, as in a date picker.
    if (watched == m_line && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, m_line, [line = m_line] {
            if (line->hasFocus())
                line->selectAll();
        });
    return CFormControl::eventFilter(watched, event);
}

void CFormDateTime::applyKindProperties()
{
    const bool time = showsTimeOnly();
    // A short date shows in the Date Style of the options; the value stays the engine's text either way.
    m_format = time ? QStringLiteral("h:mm:ss AP")
               : SameText(property("Style"), QStringLiteral("LongDate")) ? QStringLiteral("dddd, MMMM d, yyyy")
                                                                        : chosenDateStyle();
    m_calendarButton->setVisible(!time);
    if (!m_typed)
        showValue();
}
