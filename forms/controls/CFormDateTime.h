#pragma once
// A date/time box showing the short date, the long date or the time only, by its Style, with a calendar
// to pick the day from. What the user types is the value, read as a date when it is taken; a field
// without a value shows an empty box and gives no value until one is typed or picked.
#include "forms/controls/CFormControl.h"

#include <optional>

class QCalendarWidget;
class QLineEdit;
class QToolButton;

class CFormDateTime : public CFormControl {
    Q_OBJECT
public:
    CFormDateTime(PropertySet properties, int index, QWidget* parent);

    // The whole stored value, date and time, whatever part the box shows, so that storing it loses nothing;
    // a typed text that is no date comes back as typed, for the field to refuse. setText takes a stored
    // date text.
    QString text() const override;
    void setText(const QString& text) override;
    QWidget* focusTarget() const override;
    QLineEdit* lineEdit() const { return m_line; }
    QToolButton* calendarButton() const { return m_calendarButton; }
    // The format the Style shows a value in ("M/d/yyyy", "dddd, MMMM d, yyyy", "h:mm:ss AP").
    QString displayFormat() const { return m_format; }
    // Opens the calendar on the day shown; picking a day makes it the value.
    void openCalendar();
    QCalendarWidget* calendar() const { return m_calendar; }

protected:
    void applyKindProperties() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool showsTimeOnly() const;
    void showValue();
    void pick(const QDate& day);

    QLineEdit* m_line;
    QToolButton* m_calendarButton;
    QCalendarWidget* m_calendar = nullptr;
    QString m_format;
    // The stored value as a serial date; none for a field without a value.
    std::optional<double> m_value;
    // The box holds what the user typed rather than the value shown.
    bool m_typed = false;
};
