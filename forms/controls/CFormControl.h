#pragma once
// What every control of a form has in common: it owns its PropertySet, sits at the stored rectangle
// inside its container, takes its visibility, enabling, tab stop, font and colours from the set, and
// reports its events by the names of their event properties ("OnClick", "OnGotFocus", ...). Each kind
// wraps the Qt widget that does its work; the form mirrors values through text(), ticked and items.
#include "forms/format/PropertySet.h"

#include <QWidget>

class CFormControl : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFirstControlId = 7000;

    // `index` counts the form's controls in creation order; the window id is 7000 + index.
    CFormControl(PropertySet properties, int index, QWidget* parent);

    const PropertySet& properties() const { return m_properties; }
    int kind() const { return m_properties.kind; }
    int controlId() const { return kFirstControlId + m_index; }
    QString name() const { return ControlName(m_properties); }

    // Replaces the set and shows the control by it anew.
    void setProperties(PropertySet properties);
    // Stored forms paint their controls in their stored colours; automatic forms keep the usual look.
    void setStoredColours(bool stored);

    // The value the control shows; kinds without one ignore these.
    virtual QString text() const { return {}; }
    virtual void setText(const QString&) {}
    virtual bool isTicked() const { return false; }
    virtual void setTicked(bool) {}
    virtual void setItems(const QStringList&) {}
    // The widget that takes the focus and the typing.
    virtual QWidget* focusTarget() const = 0;

signals:
    // An event of the control, by the name of its event property.
    void eventRaised(const QString& eventProperty);
    // The user changed the value the control shows.
    void edited();

protected:
    // Called once the subclass has built its widgets, and again whenever the properties change.
    void applyProperties();
    virtual void applyKindProperties() = 0;

    QString property(const char* name) const { return GetProperty(m_properties, QString::fromLatin1(name)); }
    bool isYes(const char* name) const { return IsYes(property(name)); }
    bool isNo(const char* name) const { return SameText(property(name), QStringLiteral("No")); }
    bool hasProperty(const char* name) const { return m_properties.names.contains(QString::fromLatin1(name)); }

    // Raises the event when the kind has that event property.
    void raise(const char* eventProperty);
    // Focus changes of `widget` raise OnGotFocus and OnLostFocus; taps raise `tapEvent` when given.
    void watch(QWidget* widget, const char* tapEvent = nullptr);
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The widget filling the control's rectangle.
    void setBody(QWidget* body);
    // The colour of the background property ("Bkgnd Color", or "Back Color" for a grid).
    virtual const char* backgroundProperty() const { return "Bkgnd Color"; }

private:
    void applyColours();

    PropertySet m_properties;
    int m_index;
    bool m_storedColours = true;
    QHash<QObject*, const char*> m_tapEvents;
};
