#pragma once
// A report's preview: its first page as soon as it is laid out, the rest laid out a slice at a time
// while the window stays responsive, then every page to go through; Print and Export to PDF from there.
#include <QDialog>

#include <memory>

class PageView;
class PrintDocument;
class QLabel;
class QPushButton;
class QTimer;

class ReportPreview : public QDialog {
    Q_OBJECT
public:
    // Takes the document over.
    ReportPreview(std::unique_ptr<PrintDocument> document, QWidget* parent = nullptr);
    ~ReportPreview() override;

    PrintDocument& document() { return *m_document; }
    PageView* pageView() const { return m_view; }
    QLabel* pageLabel() const { return m_pageLabel; }
    // Lays out the next slice of records; false once every page is known. The window does this by itself.
    bool layOutSlice();
    void showPage(int page);

private:
    void showState();
    void exportPdf();
    void print();

    std::unique_ptr<PrintDocument> m_document;
    PageView* m_view;
    QLabel* m_pageLabel;
    QPushButton* m_previous;
    QPushButton* m_next;
    QPushButton* m_stop;
    QTimer* m_layOut;
};
