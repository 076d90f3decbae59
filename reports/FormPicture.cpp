#include "reports/FormPicture.h"

#include "forms/controls/ControlLook.h"
#include "forms/format/Containers.h"
#include "forms/runtime/FormSession.h"
#include "platform/device/DevicePath.h"
#include "reports/TextStyle.h"

#include <QImage>
#include <QPainter>
#include <QRectF>

namespace {

constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;
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

// Text inside `box`: one line, cut with the mark where it is too long, or wrapped from the top when the
// control shows several lines.
void drawText(QPainter& painter, const TextStyle& style, const QRectF& box, const QString& text, Qt::Alignment align,
              bool lines)
{
    const QRectF inner = box.adjusted(2, 1, -2, -1);
    const QStringList shown = lines ? style.wrap(text, inner.width(), std::max(1, int(inner.height() / style.lineHeight())))
                                    : QStringList{style.elide(text, inner.width())};
    double y = lines ? inner.top() : inner.center().y() - style.lineHeight() / 2;
    painter.setPen(Qt::black);
    for (const QString& line : shown) {
        double x = inner.left();
        if (align & Qt::AlignRight)
            x = inner.right() - style.width(line);
        else if (align & Qt::AlignHCenter)
            x = inner.center().x() - style.width(line) / 2;
        style.draw(painter, QPointF(x, y), line);
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

class Painter {
public:
    Painter(QPainter& painter, const FormPicture& form) : m_painter(painter), m_form(form)
    {
        for (const FormControl& control : form.controls)
            m_kinds << control.kind();
    }

    void paintControl(int index, double shift)
    {
        const FormControl& control = m_form.controls[index];
        const std::optional<QPointF> offset = placeOf(index, 0);
        if (!offset || control.kind() == ControlKind::Line) {
            if (offset)
                paintLine(control, *offset);
            return;
        }
        const QRectF box = rectOf(control).translated(*offset + QPointF(0, shift));
        if (!m_form.custom) {
            const TextStyle names(9);
            m_painter.setPen(Qt::black);
            names.draw(m_painter, QPointF(box.left(), box.top() - kFieldNameHeight - 2), names.elide(control.name, box.width()));
        }
        paintKind(control, box);
    }

private:
    // Where a control's own coordinates start: the surface, a group box or a tab control's page. None for a
    // control that does not show: hidden, inside a hidden container, or on a page other than the first.
    std::optional<QPointF> placeOf(int index, int depth) const
    {
        const FormControl& control = m_form.controls[index];
        if (isHidden(control) || depth > m_form.controls.size())
            return std::nullopt;
        const ParentRef parent = ParseParentId(property(control, "ParentId"));
        const int container = ContainerIndex(m_kinds, parent);
        if (container < 0 || container == index)
            return QPointF();
        if (parent.kind == ParentRef::TabPage && parent.page != 0)
            return std::nullopt;
        const std::optional<QPointF> outer = placeOf(container, depth + 1);
        if (!outer)
            return std::nullopt;
        const QPointF inside = rectOf(m_form.controls[container]).topLeft() + *outer;
        return parent.kind == ParentRef::TabPage ? inside + kTabPageOffset : inside;
    }

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
                     IsYes(property(control, "MultiLine")));
            break;
        case ControlKind::Label: {
            drawBox(m_painter, box, background(control), border);
            const QString text = ControlSource(control.properties).isEmpty() ? property(control, "Caption") : control.text;
            drawText(m_painter, style, box, text, StoredAlignment(property(control, "Alignment")),
                     IsYes(property(control, "Word wrap")));
            break;
        }
        case ControlKind::CommandButton:
            drawBox(m_painter, box, m_form.custom ? background(control) : QColor(Qt::lightGray), true);
            drawText(m_painter, style, box, property(control, "Caption"), Qt::AlignHCenter, false);
            break;
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: paintTickable(control, box, style); break;
        case ControlKind::ComboBox:
        case ControlKind::DateTime: {
            drawBox(m_painter, box, background(control), true);
            const QRectF arrow(box.right() - box.height(), box.top(), box.height(), box.height());
            drawBox(m_painter, arrow, Qt::lightGray, true);
            m_painter.setBrush(Qt::black);
            m_painter.drawPolygon(QPolygonF({arrow.center() + QPointF(-3, -1.5), arrow.center() + QPointF(3, -1.5),
                                             arrow.center() + QPointF(0, 2)}));
            m_painter.setBrush(Qt::NoBrush);
            drawText(m_painter, style, box.adjusted(0, 0, -box.height(), 0), control.text, Qt::AlignLeft, false);
            break;
        }
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
                     property(control, "Caption"), Qt::AlignLeft, false);
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
        drawText(m_painter, style, box.adjusted(kBox + 3, 0, 0, 0), property(control, "Caption"), Qt::AlignLeft, false);
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
            for (int cell = 0; cell < cells.size(); ++cell)
                drawText(m_painter, style, QRectF(line.left() + cell * width, line.top(), width, line.height()),
                         cells[cell], Qt::AlignLeft, false);
            if (control.kind() == ControlKind::GridControl) {
                m_painter.setPen(QPen(Qt::lightGray, 0.5));
                m_painter.drawLine(line.bottomLeft(), line.bottomRight());
            }
        }
        if (control.items.size() > fits && fits > 0)
            drawText(m_painter, style, QRectF(inner.right() - 12, inner.bottom() - style.lineHeight(), 12, style.lineHeight()),
                     kCutMark, Qt::AlignRight, false);
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
            drawText(m_painter, style, tab, captions[page], Qt::AlignHCenter, false);
            left += width;
        }
    }

    QPainter& m_painter;
    const FormPicture& m_form;
    QList<int> m_kinds;
};

} // namespace

FormPicture FormPicture::of(const FormSession& session)
{
    return {session.formProperties(), session.isCustom(), session.controls()};
}

QSizeF FormPicture::size() const
{
    QRectF used(0, 0, kScreenWidth, kScreenHeight);
    for (const FormControl& control : controls)
        if (control.kind() != ControlKind::Line && ParseParentId(property(control, "ParentId")).kind == ParentRef::Form)
            used |= rectOf(control);
    return QSizeF(used.right() + 5, used.bottom() + 5 + (custom ? 0 : kFieldNameHeight + 2));
}

void FormPicture::paint(QPainter& painter) const
{
    const QRectF surface(QPointF(0, 0), size());
    painter.save();
    painter.setClipRect(surface);
    const QString back = GetProperty(formProperties, QStringLiteral("Back Color"));
    drawBox(painter, surface, custom && !back.isEmpty() ? StoredColor(back) : QColor(Qt::white), true);
    if (const QString caption = GetProperty(formProperties, QStringLiteral("Caption")); !caption.isEmpty())
        drawText(painter, TextStyle(StoredFont(QStringLiteral("Tahoma-11-TRUE-FALSE-FALSE-FALSE"))), kCaptionRect,
                 caption, Qt::AlignHCenter, false);
    // The first row of an automatic form moves down when its name would not fit above it.
    double shift = 0;
    if (!custom)
        for (const FormControl& control : controls)
            shift = std::max(shift, kFieldNameHeight + 2 - rectOf(control).top());
    Painter controlsPainter(painter, *this);
    for (int i = 0; i < controls.size(); ++i)
        controlsPainter.paintControl(i, shift);
    painter.restore();
}
