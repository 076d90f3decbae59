#pragma once
// The Report dialog: a report's name, source, the fields in its columns with their widths, its groups,
// totals, sort, texts and paper, or the sheet and lines of mailing labels, with the first page of what it
// makes beside them, drawn again a moment after each change.
#include "reports/ReportDefinition.h"

#include <QDialog>
#include <QHash>
#include <QList>

#include <memory>

class CAppContext;
class PageView;
class PrintDocument;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QStackedWidget;
class QTableWidget;
class QTimer;

class ReportDialog : public QDialog {
    Q_OBJECT
public:
    // A report to edit, stored as `storedName` (empty for a new one); its source and fields are taken as they
    // are, so what is gone should be taken out first.
    ReportDialog(CAppContext& context, const ReportDefinition& report, QString storedName, QWidget* parent = nullptr);
    ~ReportDialog() override;

    // The report as the dialog shows it now.
    ReportDefinition definition() const;
    // Stores the report; false, after the message that says why, when it cannot be.
    bool save();
    // Draws the preview now rather than after the pause.
    void refreshPreview();
    PrintDocument* previewDocument() const { return m_preview.get(); }
    PageView* pageView() const { return m_view; }

private:
    struct GroupRow {
        QComboBox* field;
        QComboBox* by;
    };
    struct TotalRow {
        QComboBox* aggregate;
        QComboBox* field;
    };
    struct SortRow {
        QComboBox* field;
        QCheckBox* descending;
    };

    QWidget* columnsPage();
    QWidget* labelsPage();
    // Lists the source's fields in the field table and the field lists, keeping the report's choices.
    void fillFields(const ReportDefinition& report);
    // The width the field's name and first values need, as a column nobody sized is printed.
    int fittedWidth(const QString& field) const;
    void moveField(int by);
    void showReport(const ReportDefinition& report);
    void changed();
    QComboBox* fieldChoice();

    CAppContext& m_context;
    QString m_storedName;
    QStringList m_fieldNames;
    QHash<QString, int> m_fittedWidths;
    bool m_filling = false;
    QLineEdit* m_name;
    QComboBox* m_source;
    QComboBox* m_kind;
    QStackedWidget* m_pages;
    QTableWidget* m_fields;
    QList<GroupRow> m_groups;
    QList<TotalRow> m_totals;
    QList<SortRow> m_sort;
    QLineEdit* m_reportHeader;
    QLineEdit* m_reportFooter;
    QLineEdit* m_pageHeader;
    QLineEdit* m_pageFooter;
    QComboBox* m_paper;
    QComboBox* m_orientation;
    QComboBox* m_sheet;
    QList<QSpinBox*> m_grid;
    QList<QDoubleSpinBox*> m_sizes;
    QPlainTextEdit* m_lines;
    PageView* m_view;
    QTimer* m_pause;
    std::unique_ptr<PrintDocument> m_preview;
};
