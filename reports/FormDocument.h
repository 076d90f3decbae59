#pragma once
// A form on paper: the record it shows now, or every record of its source, each drawn as the form shows
// it, one to a page or as many as fit. A form larger than a page is made smaller to fit; none is made
// larger.
#include "reports/FormPicture.h"
#include "reports/PageFrame.h"
#include "reports/PageSetup.h"
#include "reports/PrintDocument.h"

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
    bool layOutMore(int) override { return true; }
    bool isLaidOut() const override { return true; }
    int recordsLaidOut() const override { return recordCount(); }
    int recordCount() const override;
    int pageCount() const override;
    void paintPage(QPainter& painter, int page) override;

    int formsPerPage() const { return m_columns * m_rows; }

private:
    void fit(const QSizeF& form, bool onePerPage);

    std::unique_ptr<FormSession> m_session;
    std::optional<FormPicture> m_current;
    PageFrame m_frame;
    PageSetup m_page;
    double m_scale = 1;
    QSizeF m_slot;
    int m_columns = 1;
    int m_rows = 1;
};

// Every record of a stored form, or of the automatic form of a table or query ("Name(Q)"); null after
// the message that there is no such form.
std::unique_ptr<PrintDocument> formRecordsDocument(CAppContext& context, const QString& form, bool automatic,
                                                   bool onePerPage, const QDate& date = QDate::currentDate());
