// Moving, sizing, aligning, ordering, deleting, copying and colouring the selected controls.
#include "forms/designer/FormDesign.h"

#include "forms/format/CtrlProps.h"
#include "platform/framework/MessageBox.h"

#include <algorithm>

namespace {

bool ask(const QString& question)
{
    return framework::showMessage(question, QString(), framework::Buttons::YesNo, framework::Icon::Question) ==
           framework::Answer::Yes;
}

ControlRect moved(const ControlRect& rect, int dx, int dy)
{
    return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

// A pasted copy lies this far down and right of its original, so that both are seen.
constexpr int kPasteOffset = 10;

} // namespace

void FormDesign::writeRect(int index, const ControlRect& rect)
{
    PropertySet& control = m_state.controls[index];
    if (hasRect(index)) {
        SetLocation(control, rect.left, rect.top, rect.right, rect.bottom);
        return;
    }
    // A line moves both its ends.
    const ControlRect old = rectOf(index);
    const int dx = rect.left - old.left;
    const int dy = rect.top - old.top;
    for (const char* name : {"X1", "X2"})
        SetProperty(control, QLatin1String(name),
                    QString::number(LeadingNumber(GetProperty(control, QLatin1String(name))) + dx));
    for (const char* name : {"Y1", "Y2"})
        SetProperty(control, QLatin1String(name),
                    QString::number(LeadingNumber(GetProperty(control, QLatin1String(name))) + dy));
}

void FormDesign::setRect(int index, const ControlRect& rect)
{
    if (index < 0 || index >= m_state.controls.size() || rect == rectOf(index))
        return;
    remember();
    writeRect(index, rect);
}

void FormDesign::moveSelection(int dx, int dy)
{
    if (m_selection.isEmpty() || (dx == 0 && dy == 0))
        return;
    remember();
    for (int index : m_selection)
        writeRect(index, moved(rectOf(index), dx, dy));
}

void FormDesign::nudge(Direction direction)
{
    switch (direction) {
    case Direction::Left: moveSelection(-kNudge, 0); break;
    case Direction::Right: moveSelection(kNudge, 0); break;
    case Direction::Up: moveSelection(0, -kNudge); break;
    case Direction::Down: moveSelection(0, kNudge); break;
    }
}

void FormDesign::reshapeAgainstReference(
    const std::function<ControlRect(const ControlRect& reference, ControlRect rect)>& change)
{
    const int ref = reference();
    if (ref < 0 || !hasRect(ref))
        return;
    remember();
    const ControlRect to = rectOf(ref);
    for (int index : m_selection)
        if (hasRect(index))
            writeRect(index, change(to, rectOf(index)));
}

void FormDesign::align(Align how)
{
    reshapeAgainstReference([how](const ControlRect& to, ControlRect rect) {
        int dx = 0;
        int dy = 0;
        switch (how) {
        case Align::Lefts: dx = to.left - rect.left; break;
        case Align::Rights: dx = to.right - rect.right; break;
        case Align::Centers: dx = (to.left + to.right) / 2 - (rect.left + rect.right) / 2; break;
        case Align::Tops: dy = to.top - rect.top; break;
        case Align::Bottoms: dy = to.bottom - rect.bottom; break;
        case Align::Middles: dy = (to.top + to.bottom) / 2 - (rect.top + rect.bottom) / 2; break;
        }
        return moved(rect, dx, dy);
    });
}

void FormDesign::makeSameSize(Size how)
{
    reshapeAgainstReference([how](const ControlRect& to, ControlRect rect) {
        if (how != Size::Height)
            rect.right = rect.left + to.width();
        if (how != Size::Width)
            rect.bottom = rect.top + to.height();
        return rect;
    });
}

void FormDesign::centreInForm(Centre how)
{
    if (m_selection.isEmpty())
        return;
    remember();
    for (int index : m_selection) {
        const ControlRect rect = rectOf(index);
        const QSize inside = containerSize(containerOf(index));
        if (how == Centre::Horizontally)
            writeRect(index, moved(rect, (inside.width() - rect.width()) / 2 - rect.left, 0));
        else
            writeRect(index, moved(rect, 0, (inside.height() - rect.height()) / 2 - rect.top));
    }
}

void FormDesign::reorder(Order how)
{
    if (m_selection.isEmpty())
        return;
    const qsizetype count = m_state.controls.size();
    QList<int> order;
    for (int i = 0; i < count; ++i)
        order << i;
    QList<int> chosen = m_selection;
    std::sort(chosen.begin(), chosen.end());
    switch (how) {
    case Order::SendToBack:
    case Order::BringToFront: {
        QList<int> rest;
        for (int i : order)
            if (!chosen.contains(i))
                rest << i;
        order = how == Order::SendToBack ? chosen + rest : rest + chosen;
        break;
    }
    // One step back or forward: each selected control changes place with its neighbour.
    case Order::SendBack:
        for (int i : chosen) {
            const qsizetype at = order.indexOf(i);
            if (at > 0 && !chosen.contains(order.at(at - 1)))
                order.swapItemsAt(at, at - 1);
        }
        break;
    case Order::BringForward:
        for (auto it = chosen.rbegin(); it != chosen.rend(); ++it) {
            const qsizetype at = order.indexOf(*it);
            if (at + 1 < count && !chosen.contains(order.at(at + 1)))
                order.swapItemsAt(at, at + 1);
        }
        break;
    }
    QList<int> unchanged;
    for (int i = 0; i < count; ++i)
        unchanged << i;
    if (order == unchanged)
        return;
    remember();
    Rearrange(m_state.controls, order);
    for (int& index : m_selection)
        index = int(order.indexOf(index));
}

void FormDesign::removeControls(const QList<int>& indices)
{
    QList<int> order;
    for (int i = 0; i < m_state.controls.size(); ++i)
        if (!indices.contains(i))
            order << i;
    Rearrange(m_state.controls, order);
    m_selection.clear();
}

void FormDesign::deleteSelection()
{
    if (m_selection.isEmpty() || !ask(QStringLiteral("Do you want to delete the Selected Control")))
        return;
    remember();
    removeControls(WithContents(m_state.controls, m_selection));
}

void FormDesign::deleteAll()
{
    if (m_state.controls.isEmpty() || !ask(QStringLiteral("Do you want to delete All Controls")))
        return;
    remember();
    m_state.controls.clear();
    m_selection.clear();
}

void FormDesign::copy()
{
    if (m_selection.isEmpty())
        return;
    QList<int> chosen = m_selection;
    std::sort(chosen.begin(), chosen.end());
    m_clipboard.clear();
    for (int index : chosen)
        m_clipboard << m_state.controls.at(index);
}

void FormDesign::cut()
{
    if (m_selection.isEmpty())
        return;
    copy();
    remember();
    removeControls(m_selection);
}

void FormDesign::paste()
{
    if (m_clipboard.isEmpty())
        return;
    remember();
    m_selection.clear();
    for (PropertySet control : m_clipboard) {
        SetProperty(control, QStringLiteral("Name"), proposedName(control.kind));
        m_state.controls << control;
        const int index = int(m_state.controls.size() - 1);
        // A copy lands in its original's container while the form still has one of that number.
        if (containerOf(index).container < 0)
            SetProperty(m_state.controls[index], QStringLiteral("ParentId"), QString());
        writeRect(index, moved(rectOf(index), kPasteOffset, kPasteOffset));
        m_selection << index;
    }
}

bool FormDesign::setSelectionProperty(const QString& name, const QString& value)
{
    if (!IsStorableValue(value)) {
        framework::showMessage(QStringLiteral("A property value cannot contain ~ or |"));
        return false;
    }
    QList<int> changing;
    for (int index : m_selection) {
        const PropertySet& control = m_state.controls.at(index);
        if (control.names.contains(name) && GetProperty(control, name) != value)
            changing << index;
    }
    if (changing.isEmpty())
        return false;
    remember();
    for (int index : changing)
        SetProperty(m_state.controls[index], name, value);
    return true;
}
