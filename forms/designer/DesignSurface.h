#pragma once
// The form's surface in the designer: every control drawn by its own control class in design mode, at
// its rectangle inside its container, with the selection's handles over them. Taps and drags select,
// move, size and place controls; the surface turns them into the design's actions and draws the design
// anew after each.
#include "forms/designer/ContainerLinks.h"

#include <QHash>
#include <QList>
#include <QWidget>

class CFormControl;
class FormDesign;
class SurfaceOverlay;

class DesignSurface : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHandle = 5;
    // The selection tool: taps select instead of placing.
    static constexpr int kSelectTool = -1;

    DesignSurface(FormDesign& design, QWidget* parent = nullptr);

    // The kind the next tap or drag creates (ControlKind::Line draws a line), or kSelectTool.
    void setTool(int kind) { m_tool = kind; }
    int tool() const { return m_tool; }
    // Auto Add Captions in Form Creation.
    void setAutoCaption(bool on) { m_autoCaption = on; }

    // Draws the design anew.
    void refresh();
    // Null for a line or an index out of range.
    CFormControl* controlWidget(int index) const { return m_widgets.value(index); }
    // A control's rectangle in the surface's pixels; a line's is the box around its ends.
    QRect surfaceRect(int index) const;
    // The control a tap at `point` selects, -1 for none; controls inside containers come first.
    int controlAt(const QPoint& point) const;
    // The tab page or group box a control placed at `point` lands in, and where its inside starts.
    ContainerLink containerAt(const QPoint& point, QPoint* origin = nullptr) const;
    // The page a tab control shows.
    void showPage(int tabControl, int page);

signals:
    // The design changed through a tap or drag.
    void designChanged();
    void selectionChanged();
    // A double tap on a control asks for its properties.
    void propertiesRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum class Drag { None, Place, Move, Resize };
    friend class SurfaceOverlay;

    void clearWidgets();
    void showDesignText(CFormControl* widget) const;
    // The handle of the reference control under `point` (0 to 7, clockwise from the top left), or -1.
    int handleAt(const QPoint& point) const;
    QList<QRect> handles(const QRect& rect) const;
    QRect resized(const QRect& rect, int handle, const QPoint& delta) const;
    bool tabBarTap(const QPoint& point);
    // Places a control of the tool's kind where the drag went, or of its usual size after a tap.
    void place();
    int depth(int index) const;

    FormDesign& m_design;
    SurfaceOverlay* m_overlay;
    QList<CFormControl*> m_widgets;
    QHash<int, int> m_pages;
    int m_tool = kSelectTool;
    bool m_autoCaption = false;
    Drag m_drag = Drag::None;
    QPoint m_start;
    QPoint m_now;
    int m_handle = -1;
};
