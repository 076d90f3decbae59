#pragma once
// A form on paper: the record it shows now, or every record of its source, each drawn as the form shows
// it, one to a page or as many as fit, across and then down. A record's form is as tall as its values
// make it, so a row of forms is as tall as its tallest; where each page begins is kept, and the forms of a
// page are drawn again from there. A form larger than a page is made smaller to fit; none is made larger.
#include "reports/FormPicture.h"
#include "reports/PageFrame.h"
#include "reports/PageSetup.h"
#include "reports/PrintDocument.h"

#include <QList>

#include <algorithm>
#include <memory>
#include <optional>

class CAppContext;
class FormSession;

class FormDocument : public PrintDocument {
public:
    // The form as it stands, typing not yet saved included: one page.
    FormDocument(FormPicture current, PageFrame frame);
    // Every record of the session's source, which the document walks.
    FormDocument(std::unique_ptr<FormSession> session, PageFrame frame, bool onePerPage);
    ~FormDocument() override;

    QString title() const override { return m_frame.title; }
    QPageLayout pageLayout() const override { return m_page.layout(); }
    bool layOutMore(int records) override;
    bool isLaidOut() const override { return m_laidOut; }
    int recordsLaidOut() const override { return m_next; }
    int recordCount() const override;
    // The last page begun is known once the next one begins, or the records end.
    int pageCount() const override { return std::max(0, int(m_pageStarts.size()) - (m_laidOut ? 0 : 1)); }
    void paintPage(QPainter& painter, int page) override;

    int formsAcross() const { return m_across; }

private:
    // The form of record `record` (from 0); the empty form of a source without records.
    FormPicture pictureOf(int record) const;
    double scaleOf(const QSizeF& form) const;

    std::unique_ptr<FormSession> m_session;
    std::optional<FormPicture> m_current;
    PageFrame m_frame;
    PageSetup m_page;
    QRectF m_content;
    // Forms are made smaller to fit the page's width; a tall one more, to fit its height.
    double m_scale = 1;
    double m_slotWidth = 0;
    int m_across = 1;
    // The first record of each page, the next record to lay out and how far down its page has come.
    QList<int> m_pageStarts;
    int m_next = 0;
    double m_used = 0;
    bool m_laidOut = false;
};

// Every record of a stored form, or of the automatic form of a table or query ("Name(Q)"); null after
// the message that there is no such form.
std::unique_ptr<PrintDocument> formRecordsDocument(CAppContext& context, const QString& form, bool automatic,
                                                   bool onePerPage, const QDate& date = QDate::currentDate());
