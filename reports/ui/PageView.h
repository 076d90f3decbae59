#pragma once
// One page of a document on screen, as it goes on paper: the sheet scaled to the widget, its margins
// kept, the page painted in points over it.
#include <QWidget>

class PrintDocument;

class PageView : public QWidget {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent = nullptr);

    // The document stays the caller's; null shows an empty grey field.
    void display(PrintDocument* document, int page);
    int page() const { return m_page; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PrintDocument* m_document = nullptr;
    int m_page = 0;
};
