#include "forms/designer/DesignSurface.h"

#include "forms/controls/CFormGroupBox.h"
#include "forms/controls/CFormTabCtrl.h"
#include "forms/controls/ContainerPlacement.h"
#include "forms/controls/ControlFactory.h"
#include "forms/controls/ControlLook.h"
#include "forms/designer/FormDesign.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTabBar>

#include <cstdlib>

// Drawn over the controls: the lines of the form, the selection with the reference's handles, and the
// rectangle being drawn.
class SurfaceOverlay : public QWidget {
public:
    explicit SurfaceOverlay(DesignSurface* surface) : QWidget(surface), m_surface(surface)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    DesignSurface* m_surface;
};

namespace {

QRect toQRect(const ControlRect& rect) { return QRect(QPoint(rect.left, rect.top), QPoint(rect.right, rect.bottom) - QPoint(1, 1)); }

// A tap without a drag places a control of the kind's usual size.
QSize usualSize(int kind)
{
    switch (kind) {
    case ControlKind::TabControl: return {200, 150};
    case ControlKind::GroupBox:
    case ControlKind::GridControl: return {150, 100};
    case ControlKind::ListBox:
    case ControlKind::ListControl: return {120, 80};
    case ControlKind::PictureBox: return {80, 80};
    case ControlKind::Shape: return {60, 40};
    default: return {100, 20};
    }
}

} // namespace

DesignSurface::DesignSurface(FormDesign& design, QWidget* parent)
    : QWidget(parent), m_design(design), m_overlay(new SurfaceOverlay(this))
{
    setObjectName(QStringLiteral("designSurface"));
    setMinimumSize(FormDesign::kFormWidth, FormDesign::kFormHeight);
    setMouseTracking(false);
    refresh();
}

void DesignSurface::clearWidgets()
{
    // Containers delete what lies in them: every widget is detached before any is deleted.
    for (CFormControl* widget : m_widgets)
        if (widget)
            widget->setParent(nullptr);
    qDeleteAll(m_widgets);
    m_widgets.clear();
}

void DesignSurface::refresh()
{
    clearWidgets();
    const QList<PropertySet>& controls = m_design.controls();
    for (int i = 0; i < controls.size(); ++i) {
        CFormControl* widget = CreateFormControl(controls.at(i), i, this);
        m_widgets << widget;
        if (!widget)
            continue;
        widget->setAttribute(Qt::WA_TransparentForMouseEvents);
        widget->setFocusPolicy(Qt::NoFocus);
        for (QWidget* child : widget->findChildren<QWidget*>())
            child->setFocusPolicy(Qt::NoFocus);
        showDesignText(widget);
    }
    const QList<ContainerLink> links = ResolveContainers(controls);
    for (int i = 0; i < m_widgets.size(); ++i) {
        CFormControl* widget = m_widgets.at(i);
        if (!widget || links.at(i).container < 0)
            continue;
        placeInside(widget, holderOf(m_widgets.value(links.at(i).container), links.at(i).page));
    }
    QRect used(0, 0, FormDesign::kFormWidth, FormDesign::kFormHeight);
    for (int i = 0; i < m_widgets.size(); ++i) {
        // A hidden control is still designed: the surface shows it.
        if (CFormControl* widget = m_widgets.at(i))
            widget->show();
        if (auto* tabs = qobject_cast<CFormTabCtrl*>(m_widgets.at(i)))
            tabs->showPage(std::min(m_pages.value(i), int(tabs->pages().size()) - 1));
        if (links.at(i).container < 0)
            used |= toQRect(m_design.rectOf(i));
    }
    setMinimumSize(used.right() + 10, used.bottom() + 10);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, StoredColor(GetProperty(m_design.formProperties(), QStringLiteral("Back Color"))));
    setPalette(colours);
    setAutoFillBackground(true);
    m_overlay->raise();
    m_overlay->update();
}

// Controls that show a value say what they are bound to instead: the whole Control Source when it fits,
// else the field's name, never a text cut short.
void DesignSurface::showDesignText(CFormControl* widget) const
{
    const QString source = ControlSource(widget->properties());
    QString text = source.isEmpty() ? QStringLiteral("Unbound") : QStringLiteral("Bound: ") + source;
    const QWidget* body = widget->focusTarget() ? widget->focusTarget() : widget;
    // The frame and the margins of the text take a few pixels of the width.
    constexpr int kTextMargins = 12;
    if (!source.isEmpty() && body->fontMetrics().horizontalAdvance(text) + kTextMargins > widget->width())
        text = ControlSourceField(source);
    switch (widget->kind()) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
        widget->setText(text);
        // A long text shows from its start, where "Bound: " stands.
        if (auto* line = qobject_cast<QLineEdit*>(widget->focusTarget()))
            line->home(false);
        break;
    case ControlKind::Label:
        if (!source.isEmpty())
            widget->setText(text);
        break;
    case ControlKind::ListBox:
    case ControlKind::ListControl: widget->setItems({text}); break;
    default: break;
    }
}

QRect DesignSurface::surfaceRect(int index) const
{
    if (CFormControl* widget = m_widgets.value(index))
        return QRect(widget->mapTo(this, QPoint(0, 0)), widget->size());
    if (index < 0 || index >= m_design.controls().size())
        return {};
    return toQRect(m_design.rectOf(index));
}

int DesignSurface::depth(int index) const
{
    const QList<ContainerLink> links = ResolveContainers(m_design.controls());
    int levels = 0;
    for (int at = links.value(index).container; at >= 0 && levels < links.size(); at = links.at(at).container)
        ++levels;
    return levels;
}

int DesignSurface::controlAt(const QPoint& point) const
{
    int found = -1;
    int foundDepth = -1;
    for (int i = 0; i < m_design.controls().size(); ++i) {
        CFormControl* widget = m_widgets.value(i);
        if (widget && !widget->isVisibleTo(this))
            continue;
        // A line is hard to hit exactly: its box takes a few pixels around it.
        const QRect rect = widget ? surfaceRect(i) : surfaceRect(i).adjusted(-3, -3, 3, 3);
        if (!rect.contains(point))
            continue;
        const int level = depth(i);
        if (level >= foundDepth) {
            found = i;
            foundDepth = level;
        }
    }
    return found;
}

ContainerLink DesignSurface::containerAt(const QPoint& point, QPoint* origin) const
{
    ContainerLink found;
    int foundDepth = -1;
    QPoint foundOrigin;
    for (int i = 0; i < m_widgets.size(); ++i) {
        CFormControl* widget = m_widgets.at(i);
        if (!widget || !widget->isVisibleTo(this))
            continue;
        QWidget* inside = nullptr;
        int page = 0;
        if (auto* tabs = qobject_cast<CFormTabCtrl*>(widget)) {
            page = std::max(0, tabs->tabBar()->currentIndex());
            inside = tabs->page(page);
        } else if (auto* group = qobject_cast<CFormGroupBox*>(widget)) {
            inside = group->container();
        }
        if (!inside)
            continue;
        const QRect rect(inside->mapTo(this, QPoint(0, 0)), inside->size());
        const int level = depth(i);
        if (rect.contains(point) && level >= foundDepth) {
            found = {i, page};
            foundDepth = level;
            foundOrigin = rect.topLeft();
        }
    }
    if (origin)
        *origin = foundOrigin;
    return found;
}

void DesignSurface::showPage(int tabControl, int page)
{
    auto* tabs = qobject_cast<CFormTabCtrl*>(m_widgets.value(tabControl));
    if (!tabs || page < 0 || page >= tabs->pages().size())
        return;
    m_pages.insert(tabControl, page);
    tabs->showPage(page);
    m_overlay->update();
}

bool DesignSurface::tabBarTap(const QPoint& point)
{
    for (int i = int(m_widgets.size()) - 1; i >= 0; --i) {
        auto* tabs = qobject_cast<CFormTabCtrl*>(m_widgets.at(i));
        if (!tabs || !tabs->isVisibleTo(this))
            continue;
        QTabBar* bar = tabs->tabBar();
        const int tab = bar->tabAt(bar->mapFrom(this, point));
        if (tab >= 0) {
            showPage(i, tab);
            return true;
        }
    }
    return false;
}

QList<QRect> DesignSurface::handles(const QRect& rect) const
{
    const int half = kHandle / 2;
    const QList<QPoint> centres = {rect.topLeft(),     QPoint(rect.center().x(), rect.top()), rect.topRight(),
                                   QPoint(rect.right(), rect.center().y()),                 rect.bottomRight(),
                                   QPoint(rect.center().x(), rect.bottom()), rect.bottomLeft(),
                                   QPoint(rect.left(), rect.center().y())};
    QList<QRect> squares;
    for (const QPoint& centre : centres)
        squares << QRect(centre - QPoint(half, half), QSize(kHandle, kHandle));
    return squares;
}

int DesignSurface::handleAt(const QPoint& point) const
{
    const int reference = m_design.reference();
    if (reference < 0 || !m_design.hasRect(reference))
        return -1;
    const QList<QRect> squares = handles(surfaceRect(reference));
    for (int i = 0; i < squares.size(); ++i)
        if (squares.at(i).adjusted(-1, -1, 1, 1).contains(point))
            return i;
    return -1;
}

QRect DesignSurface::resized(const QRect& rect, int handle, const QPoint& delta) const
{
    QRect result = rect;
    if (handle == 0 || handle == 6 || handle == 7)
        result.setLeft(rect.left() + delta.x());
    if (handle >= 2 && handle <= 4)
        result.setRight(rect.right() + delta.x());
    if (handle <= 2)
        result.setTop(rect.top() + delta.y());
    if (handle >= 4 && handle <= 6)
        result.setBottom(rect.bottom() + delta.y());
    return result.normalized();
}

void DesignSurface::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_start = m_now = event->position().toPoint();
    // A pressed tool places only on free ground: the surface, or the inside of a tab page or group box.
    // A control, or the selection's handles, are taken hold of whatever tool is pressed.
    m_handle = handleAt(m_start);
    if (m_handle >= 0) {
        m_drag = Drag::Resize;
        return;
    }
    const int index = controlAt(m_start);
    if (m_tool != kSelectTool && (index < 0 || containerAt(m_start).container == index)) {
        m_drag = Drag::Place;
        return;
    }
    tabBarTap(m_start);
    if (index < 0) {
        m_design.clearSelection();
        m_drag = Drag::None;
    } else {
        const bool add = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
        if (add || !m_design.selection().contains(index))
            m_design.select(index, add);
        m_drag = Drag::Move;
    }
    m_overlay->update();
    emit selectionChanged();
}

void DesignSurface::mouseMoveEvent(QMouseEvent* event)
{
    if (m_drag == Drag::None)
        return;
    m_now = event->position().toPoint();
    const QPoint delta = m_now - m_start;
    if (m_drag == Drag::Move) {
        for (int index : m_design.selection())
            if (CFormControl* widget = m_widgets.value(index))
                widget->move(toQRect(m_design.rectOf(index)).topLeft() + delta);
    } else if (m_drag == Drag::Resize) {
        if (CFormControl* widget = m_widgets.value(m_design.reference()))
            widget->setGeometry(resized(toQRect(m_design.rectOf(m_design.reference())), m_handle, delta));
    }
    m_overlay->update();
}

void DesignSurface::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_drag == Drag::None)
        return;
    const Drag drag = m_drag;
    m_drag = Drag::None;
    m_now = event->position().toPoint();
    const QPoint delta = m_now - m_start;
    switch (drag) {
    case Drag::Place: place(); return;
    case Drag::Move:
        if (delta.isNull()) {
            m_overlay->update();
            return;
        }
        m_design.moveSelection(delta.x(), delta.y());
        break;
    case Drag::Resize: {
        const QRect rect = resized(toQRect(m_design.rectOf(m_design.reference())), m_handle, delta);
        m_design.setRect(m_design.reference(), {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1});
        break;
    }
    case Drag::None: break;
    }
    refresh();
    emit designChanged();
}

void DesignSurface::place()
{
    if (m_tool == ControlKind::Line) {
        m_design.placeLine(m_start.x(), m_start.y(), m_now.x(), m_now.y());
    } else {
        const QPoint topLeft(std::min(m_start.x(), m_now.x()), std::min(m_start.y(), m_now.y()));
        QSize size(std::abs(m_now.x() - m_start.x()), std::abs(m_now.y() - m_start.y()));
        if (size.width() < 4 && size.height() < 4)
            size = usualSize(m_tool);
        QPoint origin;
        const ContainerLink container = containerAt(topLeft, &origin);
        const QPoint at = topLeft - origin;
        m_design.place(m_tool, {at.x(), at.y(), at.x() + size.width(), at.y() + size.height()}, container,
                       m_autoCaption);
    }
    refresh();
    emit designChanged();
    emit selectionChanged();
}

void DesignSurface::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int index = controlAt(event->position().toPoint());
    if (index < 0 || m_tool != kSelectTool)
        return;
    m_design.select(index);
    m_overlay->update();
    emit selectionChanged();
    emit propertiesRequested();
}

void DesignSurface::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_overlay->setGeometry(rect());
}

void SurfaceOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const FormDesign& design = m_surface->m_design;
    const bool moving = m_surface->m_drag == DesignSurface::Drag::Move;
    const QPoint delta = m_surface->m_now - m_surface->m_start;
    for (int i = 0; i < design.controls().size(); ++i) {
        const PropertySet& control = design.controls().at(i);
        if (control.kind != ControlKind::Line)
            continue;
        const auto end = [&control](const char* x, const char* y) {
            return QPoint(LeadingNumber(GetProperty(control, QLatin1String(x))),
                          LeadingNumber(GetProperty(control, QLatin1String(y))));
        };
        const QPoint offset = moving && design.selection().contains(i) ? delta : QPoint();
        painter.setPen(QPen(Qt::black, std::max(1, LeadingNumber(GetProperty(control, QStringLiteral("Border Width"))))));
        painter.drawLine(end("X1", "Y1") + offset, end("X2", "Y2") + offset);
    }
    painter.setPen(QPen(Qt::darkBlue, 1, Qt::DashLine));
    for (int index : design.selection())
        painter.drawRect(m_surface->surfaceRect(index).adjusted(-1, -1, 0, 0));
    const int reference = design.reference();
    if (reference >= 0 && design.hasRect(reference) && m_surface->m_drag == DesignSurface::Drag::None) {
        painter.setPen(Qt::black);
        for (const QRect& square : m_surface->handles(m_surface->surfaceRect(reference)))
            painter.fillRect(square, Qt::darkBlue);
    }
    if (m_surface->m_drag == DesignSurface::Drag::Place) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        if (m_surface->m_tool == ControlKind::Line)
            painter.drawLine(m_surface->m_start, m_surface->m_now);
        else
            painter.drawRect(QRect(m_surface->m_start, m_surface->m_now).normalized());
    }
}
