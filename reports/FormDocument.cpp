#include "reports/FormDocument.h"

#include "forms/runtime/FormSession.h"
#include "platform/framework/MessageBox.h"

#include <QPainter>

#include <cmath>

namespace {
// Between forms on one page.
constexpr double kGap = 12;
} // namespace

FormDocument::FormDocument(FormPicture current, PageFrame frame)
    : m_current(std::move(current)), m_frame(std::move(frame)), m_content(PageFrame::contentRect(m_page.bodySize())),
      m_pageStarts{0}, m_next(1), m_laidOut(true)
{
    m_scale = std::min(1.0, m_content.width() / m_current->size().width());
}

FormDocument::FormDocument(std::unique_ptr<FormSession> session, PageFrame frame, bool onePerPage)
    : m_session(std::move(session)), m_frame(std::move(frame)), m_content(PageFrame::contentRect(m_page.bodySize()))
{
    const QSizeF form = FormPicture::of(*m_session).size();
    m_scale = std::min(1.0, m_content.width() / form.width());
    m_slotWidth = form.width() * m_scale;
    if (!onePerPage) {
        m_across = std::max(1, int(std::floor((m_content.width() + kGap) / (m_slotWidth + kGap))));
        return;
    }
    // A page for each record: nothing to measure.
    for (m_next = 0; m_next < std::max(recordCount(), 1); ++m_next)
        m_pageStarts << m_next;
    m_laidOut = true;
}

FormDocument::~FormDocument() = default;

int FormDocument::recordCount() const { return m_session ? m_session->recordCount() : 1; }

double FormDocument::scaleOf(const QSizeF& form) const
{
    return std::min(m_scale, m_content.height() / form.height());
}

FormPicture FormDocument::pictureOf(int record) const
{
    if (m_current)
        return *m_current;
    if (m_session->recordCount() > 0)
        m_session->goToRecord(record + 1);
    return FormPicture::of(*m_session);
}

bool FormDocument::layOutMore(int records)
{
    // A source without records still shows its form once, empty.
    const int count = std::max(recordCount(), 1);
    const int until = m_next + std::max(records, 1);
    while (!m_laidOut && m_next < until) {
        const int across = std::min(m_across, count - m_next);
        double height = 0;
        for (int i = 0; i < across; ++i) {
            const QSizeF form = pictureOf(m_next + i).size();
            height = std::max(height, form.height() * scaleOf(form));
        }
        if (m_pageStarts.isEmpty() || m_used + kGap + height > m_content.height() + 0.01) {
            m_pageStarts << m_next;
            m_used = height;
        } else {
            m_used += kGap + height;
        }
        m_next += across;
        m_laidOut = m_next >= count;
    }
    return m_laidOut;
}

void FormDocument::paintPage(QPainter& painter, int page)
{
    if (page < 0 || page >= pageCount())
        return;
    const QSizeF body = m_page.bodySize();
    m_frame.paint(painter, body, page, m_laidOut ? pageCount() : 0);
    const int end = page + 1 < m_pageStarts.size() ? m_pageStarts[page + 1] : m_next;
    double top = m_content.top();
    for (int first = m_pageStarts[page]; first < end; first += m_across) {
        double height = 0;
        for (int record = first; record < std::min(first + m_across, end); ++record) {
            const FormPicture picture = pictureOf(record);
            const double scale = scaleOf(picture.size());
            painter.save();
            painter.translate(m_content.left() + (record - first) * (m_slotWidth + kGap), top);
            painter.scale(scale, scale);
            picture.paint(painter);
            painter.restore();
            height = std::max(height, picture.size().height() * scale);
        }
        top += height + kGap;
    }
}

std::unique_ptr<PrintDocument> formRecordsDocument(CAppContext& context, const QString& form, bool automatic,
                                                   bool onePerPage, const QDate& date)
{
    auto session = std::make_unique<FormSession>(context);
    if (automatic ? !session->openAutoForm(form) : !session->openForm(form)) {
        framework::showMessage(QStringLiteral("There is no form named ") + form);
        return nullptr;
    }
    return std::make_unique<FormDocument>(std::move(session), PageFrame{form, QString(), date}, onePerPage);
}
