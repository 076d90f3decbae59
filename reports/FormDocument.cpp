#include "reports/FormDocument.h"

#include "forms/runtime/FormSession.h"
#include "platform/framework/MessageBox.h"

#include <QPainter>

#include <cmath>

namespace {
// Between forms on one page.
constexpr double kGap = 12;
} // namespace

FormDocument::FormDocument(FormPicture current, PageFrame frame) : m_current(std::move(current)), m_frame(std::move(frame))
{
    fit(m_current->size(), true);
}

FormDocument::FormDocument(std::unique_ptr<FormSession> session, PageFrame frame, bool onePerPage)
    : m_session(std::move(session)), m_frame(std::move(frame))
{
    fit(FormPicture::of(*m_session).size(), onePerPage);
}

FormDocument::~FormDocument() = default;

void FormDocument::fit(const QSizeF& form, bool onePerPage)
{
    const QRectF content = PageFrame::contentRect(m_page.bodySize());
    m_scale = std::min({1.0, content.width() / form.width(), content.height() / form.height()});
    m_slot = form * m_scale;
    if (onePerPage)
        return;
    m_columns = std::max(1, int(std::floor((content.width() + kGap) / (m_slot.width() + kGap))));
    m_rows = std::max(1, int(std::floor((content.height() + kGap) / (m_slot.height() + kGap))));
}

int FormDocument::recordCount() const { return m_session ? m_session->recordCount() : 1; }

int FormDocument::pageCount() const
{
    return m_session ? std::max(1, (recordCount() + formsPerPage() - 1) / formsPerPage()) : 1;
}

void FormDocument::paintPage(QPainter& painter, int page)
{
    if (page < 0 || page >= pageCount())
        return;
    const QSizeF body = m_page.bodySize();
    m_frame.paint(painter, body, page, pageCount());
    const QPointF origin = PageFrame::contentRect(body).topLeft();
    for (int slot = 0; slot < formsPerPage(); ++slot) {
        FormPicture picture;
        if (m_current) {
            picture = *m_current;
        } else {
            const int record = page * formsPerPage() + slot + 1;
            // A source without records still shows its form once, empty.
            if (record > std::max(recordCount(), 1) || (recordCount() > 0 && !m_session->goToRecord(record)))
                break;
            picture = FormPicture::of(*m_session);
        }
        painter.save();
        painter.translate(origin + QPointF((slot % m_columns) * (m_slot.width() + kGap),
                                           (slot / m_columns) * (m_slot.height() + kGap)));
        painter.scale(m_scale, m_scale);
        picture.paint(painter);
        painter.restore();
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
