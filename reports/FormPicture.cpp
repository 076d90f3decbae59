#include "reports/FormPicture.h"

#include "forms/controls/ControlLook.h"
#include "forms/format/Containers.h"
#include "forms/runtime/FormSession.h"
#include "platform/device/DevicePath.h"
#include "reports/TextStyle.h"

#include <QImage>
#include <QPainter>
#include <QRectF>

#include <limits>

namespace {

constexpr int kScreenWidth = 240;
const QRectF kCaptionRect(28, 5, 172, 15);
// Above each control of an automatic form stands its field's name.
constexpr double kFieldNameHeight = 16;
// Where a tab control's pages lie inside it.
const QPointF kTabPageOffset(5, 25);
constexpr double kBox = 11;

QString property(const FormControl& control, const char* name)
{
    return GetProperty(control.properties, QString::fromLatin1(name));
}

bool isHidden(const FormControl& control) { return SameText(property(control, "Visible"), QStringLiteral("No")); }

QRectF rectOf(const FormControl& control)
{
    const ControlRect rect = GetLocation(control.properties);
    return QRectF(rect.left, rect.top, rect.width(), rect.height());
}

TextStyle styleOf(const FormControl& control)
{
    const QString font = property(control, "Font Info");
    return TextStyle(StoredFont(font.isEmpty() ? QStringLiteral("Tahoma-11-FALSE-FALSE-FALSE-FALSE") : font));
}

// How a text fills its box: on one line, cut with the mark where it is too long; wrapped from the top, as
// a control that shows several lines; or a value wrapped, centred as on screen while it takes one line.
enum class Flow { OneLine, FromTop, Value };

// How far a line may be narrowed to stay whole. The screen draws a label or a list's item from its very
// edge with hinted glyphs, paper keeps a margin and draws them unhinted: a text that just fits on screen
// can be a little too wide for paper, and cutting it there would print less than the screen shows.
constexpr double kNarrowestLine = 0.85;

// One line across `inner`, its top at `y`: narrowed a little when it must be to stay whole, cut with the
// mark when even that is not enough.
void drawLine(QPainter& painter, const TextStyle& style, const QRectF& inner, const QString& text, Qt::Alignment align,
              double y)
{
    const QString whole = style.elide(text, std::numeric_limits<double>::infinity());
    const QString line = style.width(whole) <= inner.width() / kNarrowestLine ? whole : style.elide(text, inner.width());
    const double width = std::min(style.width(line), inner.width());
    double x = inner.left();
    if (align & Qt::AlignRight)
        x = inner.right() - width;
    else if (align & Qt::AlignHCenter)
        x = inner.center().x() - width / 2;
    painter.save();
    painter.translate(x, y);
    if (const double full = style.width(line); full > inner.width())
        painter.scale(inner.width() / full, 1);
    style.draw(painter, QPointF(0, 0), line);
    painter.restore();
}

void drawText(QPainter& painter, const TextStyle& style, const QRectF& box, const QString& text, Qt::Alignment align,
              Flow flow)
{
    const QRectF inner = box.adjusted(2, 1, -2, -1);
    painter.setPen(Qt::black);
    if (flow == Flow::OneLine)
        return drawLine(painter, style, inner, text, align, inner.center().y() - style.lineHeight() / 2);
    const QStringList shown =
        style.wrap(text, inner.width(), std::max(1, int(inner.height() / style.lineHeight() + 0.01)));
    double y = flow == Flow::Value && shown.size() == 1 ? inner.center().y() - style.lineHeight() / 2 : inner.top();
    for (const QString& line : shown) {
        drawLine(painter, style, inner, line, align, y);
        y += style.lineHeight();
    }
}

void drawBox(QPainter& painter, const QRectF& box, const QColor& fill, bool border)
{
    painter.setPen(border ? QPen(Qt::darkGray, 0.75) : Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRect(box);
    painter.setBrush(Qt::NoBrush);
}

// A control that shows a record's value in a box: on paper the box grows down until the whole value fits.
bool holdsValue(int kind)
{
    return kind == ControlKind::TextBox || kind == ControlKind::ComboBox || kind == ControlKind::DateTime;
}

// Where each control of a form stands on paper. Buttons are for the screen and stay off it, as does what
// does not show on screen: a hidden control, one inside a hidden container, one on a tab page other than
// the first. A value box on the surface grows to hold its value, and whatever stands below it moves down
// as far; a container's controls move with it.
class PaperLayout {
public:
    explicit PaperLayout(const FormPicture& form) : m_form(form)
    {
        const qsizetype count = form.controls.size();
        for (const FormControl& control : form.controls)
            m_kinds << control.kind();
        m_origins.resize(count);
        m_boxes.resize(count);
        // The first row of an automatic form moves down when its name would not fit above it.
        double nameShift = 0;
        if (!form.custom)
            for (const FormControl& control : form.controls)
                nameShift = std::max(nameShift, kFieldNameHeight + 2 - rectOf(control).top());
        QList<double> growth(count, 0);
        for (int i = 0; i < count; ++i)
            if (onSurface(i) && shows(i, 0) && holdsValue(m_kinds[i]))
                growth[i] = grownBy(form.controls[i]);
        for (int i = 0; i < count; ++i) {
            if (!onSurface(i) || !shows(i, 0))
                continue;
            double shift = nameShift;
            const double top = topOf(i);
            for (int above = 0; above < count; ++above)
                if (above != i && growth[above] > 0 && rectOf(form.controls[above]).bottom() <= top + 0.01)
                    shift += growth[above];
            m_origins[i] = QPointF(0, shift);
        }
        for (int i = 0; i < count; ++i)
            if (!onSurface(i))
                m_origins[i] = originInside(i, 0);
        for (int i = 0; i < count; ++i)
            if (m_origins[i] && m_kinds[i] != ControlKind::Line)
                m_boxes[i] = rectOf(form.controls[i]).translated(*m_origins[i]).adjusted(0, 0, 0, growth[i]);
    }

    // Where a control's own coordinates start; none for a control that stays off paper.
    const std::optional<QPointF>& origin(int index) const { return m_origins[index]; }
    // A control's box on paper; none for a line or a control that stays off paper.
    const std::optional<QRectF>& box(int index) const { return m_boxes[index]; }

    // The part of the surface the controls take.
    QRectF extent() const
    {
        QRectF used;
        for (int i = 0; i < m_boxes.size(); ++i)
            if (m_boxes[i] && onSurface(i))
                used |= *m_boxes[i];
        return used;
    }

private:
    int containerOf(int index) const
    {
        return ContainerIndex(m_kinds, ParseParentId(property(m_form.controls[index], "ParentId")));
    }
    bool onSurface(int index) const
    {
        const int container = containerOf(index);
        return container < 0 || container == index;
    }
    double topOf(int index) const
    {
        const FormControl& control = m_form.controls[index];
        if (control.kind() != ControlKind::Line)
            return rectOf(control).top();
        return std::min(LeadingNumber(property(control, "Y1")), LeadingNumber(property(control, "Y2")));
    }
    bool shows(int index, int depth) const
    {
        const FormControl& control = m_form.controls[index];
        if (isHidden(control) || control.kind() == ControlKind::CommandButton || depth > m_form.controls.size())
            return false;
        if (onSurface(index))
            return true;
        const ParentRef parent = ParseParentId(property(control, "ParentId"));
        return (parent.kind != ParentRef::TabPage || parent.page == 0) && shows(containerOf(index), depth + 1);
    }
    // The origin of a control inside a group box or on a tab control's first page.
    std::optional<QPointF> originInside(int index, int depth) const
    {
        if (!shows(index, depth))
            return std::nullopt;
        const int container = containerOf(index);
        const std::optional<QPointF> outer = onSurface(container) ? m_origins[container] : originInside(container, depth + 1);
        if (!outer)
            return std::nullopt;
        const QPointF inside = rectOf(m_form.controls[container]).topLeft() + *outer;
        return ParseParentId(property(m_form.controls[index], "ParentId")).kind == ParentRef::TabPage
                   ? inside + kTabPageOffset
                   : inside;
    }
    // How much taller a value box must be for its whole value.
    static double grownBy(const FormControl& control)
    {
        const TextStyle style = styleOf(control);
        const QRectF box = rectOf(control);
        const double needed = style.wrap(control.text, box.width() - 4).size() * style.lineHeight() + 2;
        return std::max(0.0, needed - box.height());
    }

    const FormPicture& m_form;
    QList<int> m_kinds;
    QList<std::optional<QPointF>> m_origins;
    QList<std::optional<QRectF>> m_boxes;
};

class Painter {
public:
    Painter(QPainter& painter, const FormPicture& form, const PaperLayout& layout)
        : m_painter(painter), m_form(form), m_layout(layout)
    {
    }

    void paintControl(int index)
    {
        const FormControl& control = m_form.controls[index];
        if (control.kind() == ControlKind::Line) {
            if (const std::optional<QPointF>& origin = m_layout.origin(index))
                paintLine(control, *origin);
            return;
        }
        const std::optional<QRectF>& box = m_layout.box(index);
        if (!box)
            return;
        if (!m_form.custom) {
            const TextStyle names(9);
            m_painter.setPen(Qt::black);
            names.draw(m_painter, QPointF(box->left(), box->top() - kFieldNameHeight - 2), names.elide(control.name, box->width()));
        }
        paintKind(control, *box);
    }

private:
    QColor background(const FormControl& control, const char* name = "Bkgnd Color") const
    {
        const QString stored = property(control, name);
        return m_form.custom && !stored.isEmpty() ? StoredColor(stored) : QColor(Qt::white);
    }

    void paintLine(const FormControl& control, const QPointF& offset)
    {
        m_painter.setPen(QPen(Qt::black, std::max(1, LeadingNumber(property(control, "Border Width")))));
        m_painter.drawLine(offset + QPointF(LeadingNumber(property(control, "X1")), LeadingNumber(property(control, "Y1"))),
                           offset + QPointF(LeadingNumber(property(control, "X2")), LeadingNumber(property(control, "Y2"))));
    }

    void paintKind(const FormControl& control, const QRectF& box)
    {
        const TextStyle style = styleOf(control);
        const bool border = IsYes(property(control, "Border Style"));
        switch (control.kind()) {
        case ControlKind::TextBox:
            drawBox(m_painter, box, background(control), border);
            drawText(m_painter, style, box, control.text, StoredAlignment(property(control, "Text Alignment")),
                     IsYes(property(control, "MultiLine")) ? Flow::FromTop : Flow::Value);
            break;
        case ControlKind::Label: {
            drawBox(m_painter, box, background(control), border);
            const QString text = ControlSource(control.properties).isEmpty() ? property(control, "Caption") : control.text;
            drawText(m_painter, style, box, text, StoredAlignment(property(control, "Alignment")),
                     IsYes(property(control, "Word wrap")) ? Flow::FromTop : Flow::OneLine);
            break;
        }
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: paintTickable(control, box, style); break;
        // The list a combo box drops down is the screen's: paper shows the value alone.
        case ControlKind::ComboBox:
        case ControlKind::DateTime:
            drawBox(m_painter, box, background(control), true);
            drawText(m_painter, style, box, control.text, Qt::AlignLeft, Flow::Value);
            break;
        case ControlKind::ListBox:
        case ControlKind::ListControl:
        case ControlKind::GridControl: paintList(control, box, style); break;
        case ControlKind::TabControl: paintTabs(control, box, style); break;
        case ControlKind::GroupBox:
            m_painter.setPen(QPen(Qt::darkGray, 0.75));
            m_painter.drawRect(box.adjusted(0, style.lineHeight() / 2, 0, 0));
            drawBox(m_painter, QRectF(box.left() + 6, box.top(), style.width(property(control, "Caption")) + 4, style.lineHeight()),
                    background(control), false);
            drawText(m_painter, style, QRectF(box.left() + 6, box.top(), box.width() - 12, style.lineHeight() + 2),
                     property(control, "Caption"), Qt::AlignLeft, Flow::OneLine);
            break;
        case ControlKind::Shape:
            drawBox(m_painter, box, background(control, "Fill Color"), border);
            break;
        case ControlKind::PictureBox: {
            drawBox(m_painter, box, background(control), true);
            const QString file = property(control, "Picture");
            const QImage picture(file.isEmpty() ? QString() : device::toHostPath(file).value_or(QString()));
            if (!picture.isNull())
                m_painter.drawImage(box, picture);
            break;
        }
        default: break;
        }
    }

    void paintTickable(const FormControl& control, const QRectF& box, const TextStyle& style)
    {
        const QRectF mark(box.left() + 1, box.center().y() - kBox / 2, kBox, kBox);
        m_painter.setPen(QPen(Qt::black, 0.75));
        m_painter.setBrush(Qt::white);
        if (control.kind() == ControlKind::RadioButton)
            m_painter.drawEllipse(mark);
        else
            m_painter.drawRect(mark);
        if (control.ticked) {
            m_painter.setBrush(Qt::black);
            if (control.kind() == ControlKind::RadioButton) {
                m_painter.drawEllipse(mark.adjusted(3, 3, -3, -3));
            } else {
                m_painter.setPen(QPen(Qt::black, 1.5));
                m_painter.drawPolyline(QPolygonF({mark.topLeft() + QPointF(2, 5.5), mark.topLeft() + QPointF(4.5, 8.5),
                                                  mark.topLeft() + QPointF(9, 2.5)}));
            }
        }
        m_painter.setBrush(Qt::NoBrush);
        drawText(m_painter, style, box.adjusted(kBox + 3, 0, 0, 0), property(control, "Caption"), Qt::AlignLeft,
                 Flow::OneLine);
    }

    // A list, a list control or a grid: its items one a line, a grid's fields in columns, as many as fit.
    void paintList(const FormControl& control, const QRectF& box, const TextStyle& style)
    {
        drawBox(m_painter, box, background(control, control.kind() == ControlKind::GridControl ? "Back Color" : "Bkgnd Color"),
                true);
        const QRectF inner = box.adjusted(2, 1, -2, -1);
        const int fits = int(inner.height() / style.lineHeight());
        for (int row = 0; row < control.items.size() && row < fits; ++row) {
            const QStringList cells = control.items[row].split(QLatin1Char('\t'));
            const double width = inner.width() / std::max<qsizetype>(1, cells.size());
            const bool selected = control.kind() != ControlKind::GridControl && control.items[row] == control.text &&
                                  !control.text.isEmpty();
            const QRectF line(inner.left(), inner.top() + row * style.lineHeight(), inner.width(), style.lineHeight());
            if (selected)
                drawBox(m_painter, line, Qt::lightGray, false);
            // The list's own margin is the items' one: a cell keeps only a gap from the next.
            m_painter.setPen(Qt::black);
            for (int cell = 0; cell < cells.size(); ++cell)
                drawLine(m_painter, style, QRectF(line.left() + cell * width, line.top(), width - 2, line.height()),
                         cells[cell], Qt::AlignLeft, line.top());
            if (control.kind() == ControlKind::GridControl) {
                m_painter.setPen(QPen(Qt::lightGray, 0.5));
                m_painter.drawLine(line.bottomLeft(), line.bottomRight());
            }
        }
        if (control.items.size() > fits && fits > 0)
            drawText(m_painter, style, QRectF(inner.right() - 12, inner.bottom() - style.lineHeight(), 12, style.lineHeight()),
                     kCutMark, Qt::AlignRight, Flow::OneLine);
    }

    void paintTabs(const FormControl& control, const QRectF& box, const TextStyle& style)
    {
        const double tabHeight = kTabPageOffset.y() - 4;
        drawBox(m_painter, box.adjusted(0, tabHeight, 0, 0), Qt::white, true);
        double left = box.left();
        const QStringList captions = TabPageCaptions(property(control, "TabNames"));
        for (int page = 0; page < captions.size(); ++page) {
            const double width = std::min(style.width(captions[page]) + 12, box.right() - left);
            if (width <= 0)
                break;
            const QRectF tab(left, box.top() + (page == 0 ? 0 : 2), width, tabHeight - (page == 0 ? 0 : 2));
            drawBox(m_painter, tab, page == 0 ? QColor(Qt::white) : QColor(Qt::lightGray), true);
            drawText(m_painter, style, tab, captions[page], Qt::AlignHCenter, Flow::OneLine);
            left += width;
        }
    }

    QPainter& m_painter;
    const FormPicture& m_form;
    const PaperLayout& m_layout;
};

} // namespace

FormPicture FormPicture::of(const FormSession& session)
{
    return {session.formProperties(), session.isCustom(), session.controls()};
}

QSizeF FormPicture::size() const
{
    QRectF used = PaperLayout(*this).extent();
    used |= QRectF(0, 0, kScreenWidth, GetProperty(formProperties, QStringLiteral("Caption")).isEmpty() ? 0 : kCaptionRect.bottom());
    return QSizeF(used.right() + 5, used.bottom() + 5);
}

void FormPicture::paint(QPainter& painter) const
{
    const PaperLayout layout(*this);
    const QRectF surface(QPointF(0, 0), size());
    painter.save();
    painter.setClipRect(surface);
    const QString back = GetProperty(formProperties, QStringLiteral("Back Color"));
    drawBox(painter, surface, custom && !back.isEmpty() ? StoredColor(back) : QColor(Qt::white), false);
    if (const QString caption = GetProperty(formProperties, QStringLiteral("Caption")); !caption.isEmpty())
        drawText(painter, TextStyle(StoredFont(QStringLiteral("Tahoma-11-TRUE-FALSE-FALSE-FALSE"))), kCaptionRect,
                 caption, Qt::AlignHCenter, Flow::OneLine);
    Painter controlsPainter(painter, *this, layout);
    for (int i = 0; i < controls.size(); ++i)
        controlsPainter.paintControl(i);
    painter.restore();
    // The frame goes on last, where no control covers it, inside the surface and outside the clip: a PDF's
    // clip took its right edge away.
    constexpr double kFrame = 0.75;
    painter.setPen(QPen(Qt::darkGray, kFrame));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(surface.adjusted(kFrame / 2, kFrame / 2, -kFrame / 2, -kFrame / 2));
}
