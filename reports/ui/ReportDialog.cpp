#include "reports/ui/ReportDialog.h"

#include "logic/queries/QueryParameters.h"
#include "platform/framework/MessageBox.h"
#include "reports/PrintDocument.h"
#include "reports/ReportDocument.h"
#include "reports/ReportSources.h"
#include "reports/ui/PageView.h"
#include "widgets/WindowSize.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kTotalRows = 4;
// A field whose values could not be read to fit it.
constexpr int kUnfittedWidth = 60;
constexpr int kSortRows = 2;
const QString kCustomSheet = QStringLiteral("Custom");
// The sheet's measures in the order the dialog shows them, in millimetres.
constexpr double LabelSheet::*kMeasures[] = {&LabelSheet::widthMm, &LabelSheet::heightMm, &LabelSheet::leftMm,
                                            &LabelSheet::topMm,   &LabelSheet::columnGapMm, &LabelSheet::rowGapMm};
const char* const kMeasureNames[] = {"Label width (mm)", "Label height (mm)", "Left margin (mm)",
                                     "Top margin (mm)",  "Gap across (mm)",   "Gap down (mm)"};
const GroupBy kGroupings[] = {GroupBy::Value, GroupBy::Day, GroupBy::Month, GroupBy::Year, GroupBy::FirstLetter};
const Aggregate kAggregates[] = {Aggregate::Count, Aggregate::Sum, Aggregate::Average, Aggregate::Minimum,
                                 Aggregate::Maximum};

// The preview asks for nothing: a query's parameters count as empty there.
std::optional<QString> parametersForPreview(const QString& statement) { return QueryStatementForCheck(statement); }

void choose(QComboBox* box, const QString& text)
{
    const int at = box->findText(text, Qt::MatchFixedString);
    box->setCurrentIndex(std::max(at, 0));
}

} // namespace

ReportDialog::ReportDialog(CAppContext& context, const ReportDefinition& report, QString storedName, QWidget* parent)
    : QDialog(parent), m_context(context), m_storedName(std::move(storedName)), m_name(new QLineEdit(this)),
      m_source(new QComboBox(this)), m_kind(new QComboBox(this)), m_pages(new QStackedWidget(this)),
      m_fields(new QTableWidget(0, 2, this)), m_reportHeader(new QLineEdit(this)), m_reportFooter(new QLineEdit(this)),
      m_pageHeader(new QLineEdit(this)), m_pageFooter(new QLineEdit(this)), m_paper(new QComboBox(this)),
      m_orientation(new QComboBox(this)), m_sheet(new QComboBox(this)), m_lines(new QPlainTextEdit(this)),
      m_view(new PageView(this)), m_pause(new QTimer(this))
{
    setObjectName(QStringLiteral("reportDialog"));
    setWindowTitle(QStringLiteral("Report"));
    m_name->setObjectName(QStringLiteral("reportName"));
    m_name->setMaxLength(64);
    m_source->setObjectName(QStringLiteral("reportSource"));
    m_source->addItems(reportSources(context));
    m_kind->addItems({QStringLiteral("Columns"), QStringLiteral("Mailing labels")});
    m_paper->addItems(paperNames());
    m_orientation->addItems({QStringLiteral("Portrait"), QStringLiteral("Landscape")});

    auto* top = new QFormLayout;
    top->addRow(QStringLiteral("Name:"), m_name);
    top->addRow(QStringLiteral("Source:"), m_source);
    top->addRow(QStringLiteral("Kind:"), m_kind);
    auto* paper = new QHBoxLayout;
    paper->addWidget(m_paper);
    paper->addWidget(m_orientation);
    top->addRow(QStringLiteral("Paper:"), paper);
    m_pages->addWidget(columnsPage());
    m_pages->addWidget(labelsPage());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    auto* design = new QVBoxLayout;
    design->addLayout(top);
    design->addWidget(scrollingPage(m_pages), 1);
    design->addWidget(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(design, 3);
    layout->addWidget(m_view, 2);

    showReport(report);

    m_pause->setSingleShot(true);
    m_pause->setInterval(300);
    connect(m_pause, &QTimer::timeout, this, &ReportDialog::refreshPreview);
    connect(m_source, &QComboBox::currentTextChanged, this, [this] {
        if (m_filling)
            return;
        ReportDefinition report = definition();
        // Every field ticked is no choice among them: the new source shows every field of its own. Else the
        // fields it shares with the old one stay as they were.
        if (report.fields.size() == m_fields->rowCount())
            report.fields.clear();
        fillFields(report);
    });
    connect(m_kind, &QComboBox::currentIndexChanged, m_pages, &QStackedWidget::setCurrentIndex);
    connect(m_sheet, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        const bool custom = name == kCustomSheet;
        if (const std::optional<LabelSheet> sheet = labelSheetOfName(name)) {
            m_grid[0]->setValue(sheet->columns);
            m_grid[1]->setValue(sheet->rows);
            for (int i = 0; i < m_sizes.size(); ++i)
                m_sizes[i]->setValue(sheet.value().*kMeasures[i]);
        }
        for (QWidget* box : m_grid)
            box->setEnabled(custom);
        for (QWidget* box : m_sizes)
            box->setEnabled(custom);
    });
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        connect(edit, &QLineEdit::textChanged, this, &ReportDialog::changed);
    for (QComboBox* box : findChildren<QComboBox*>())
        connect(box, &QComboBox::currentIndexChanged, this, &ReportDialog::changed);
    for (QCheckBox* box : findChildren<QCheckBox*>())
        connect(box, &QCheckBox::toggled, this, &ReportDialog::changed);
    for (QSpinBox* box : m_grid)
        connect(box, &QSpinBox::valueChanged, this, &ReportDialog::changed);
    for (QDoubleSpinBox* box : m_sizes)
        connect(box, &QDoubleSpinBox::valueChanged, this, &ReportDialog::changed);
    connect(m_fields, &QTableWidget::itemChanged, this, &ReportDialog::changed);
    connect(m_lines, &QPlainTextEdit::textChanged, this, &ReportDialog::changed);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (save())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resizeToText(*this, 140, 38);
    refreshPreview();
}

ReportDialog::~ReportDialog() = default;

QComboBox* ReportDialog::fieldChoice()
{
    auto* box = new QComboBox(this);
    box->setMinimumContentsLength(12);
    return box;
}

QWidget* ReportDialog::columnsPage()
{
    auto* page = new QWidget(this);
    m_fields->setObjectName(QStringLiteral("reportFields"));
    m_fields->setHorizontalHeaderLabels({QStringLiteral("Field"), QStringLiteral("Width")});
    m_fields->verticalHeader()->hide();
    m_fields->horizontalHeader()->setStretchLastSection(true);
    m_fields->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_fields->setSelectionMode(QAbstractItemView::SingleSelection);
    // Several fields in view at once; the settings around them scroll on a short screen.
    m_fields->setMinimumHeight(m_fields->horizontalHeader()->sizeHint().height() +
                               5 * m_fields->verticalHeader()->defaultSectionSize() + 2 * m_fields->frameWidth());
    auto* up = new QPushButton(QStringLiteral("Up"), page);
    auto* down = new QPushButton(QStringLiteral("Down"), page);
    connect(up, &QPushButton::clicked, this, [this] { moveField(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveField(1); });
    auto* moves = new QVBoxLayout;
    moves->addWidget(up);
    moves->addWidget(down);
    moves->addStretch(1);
    auto* fields = new QHBoxLayout;
    fields->addWidget(m_fields, 1);
    fields->addLayout(moves);

    auto* groups = new QGroupBox(QStringLiteral("Groups, totals and sort"), page);
    auto* grid = new QGridLayout(groups);
    for (int level = 0; level < ReportDefinition::kMaxGroups; ++level) {
        GroupRow row{fieldChoice(), new QComboBox(this)};
        for (GroupBy by : kGroupings)
            row.by->addItem(QStringLiteral("By ") + groupByName(by).toLower());
        grid->addWidget(new QLabel(QStringLiteral("Group %1:").arg(level + 1), groups), level, 0);
        grid->addWidget(row.field, level, 1);
        grid->addWidget(row.by, level, 2);
        m_groups << row;
    }
    for (int i = 0; i < kTotalRows; ++i) {
        TotalRow row{new QComboBox(this), fieldChoice()};
        row.aggregate->addItem(QString());
        for (Aggregate aggregate : kAggregates)
            row.aggregate->addItem(aggregateName(aggregate));
        grid->addWidget(new QLabel(QStringLiteral("Total %1:").arg(i + 1), groups), ReportDefinition::kMaxGroups + i, 0);
        grid->addWidget(row.aggregate, ReportDefinition::kMaxGroups + i, 1);
        grid->addWidget(row.field, ReportDefinition::kMaxGroups + i, 2);
        m_totals << row;
    }
    for (int i = 0; i < kSortRows; ++i) {
        SortRow row{fieldChoice(), new QCheckBox(QStringLiteral("Descending"), this)};
        const int at = ReportDefinition::kMaxGroups + kTotalRows + i;
        grid->addWidget(new QLabel(QStringLiteral("Sort %1:").arg(i + 1), groups), at, 0);
        grid->addWidget(row.field, at, 1);
        grid->addWidget(row.descending, at, 2);
        m_sort << row;
    }

    auto* texts = new QFormLayout;
    texts->addRow(QStringLiteral("Report header:"), m_reportHeader);
    texts->addRow(QStringLiteral("Report footer:"), m_reportFooter);
    texts->addRow(QStringLiteral("Page header:"), m_pageHeader);
    texts->addRow(QStringLiteral("Page footer:"), m_pageFooter);
    m_pageHeader->setPlaceholderText(QStringLiteral("The report's name"));

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(fields, 1);
    layout->addWidget(groups);
    layout->addLayout(texts);
    return page;
}

QWidget* ReportDialog::labelsPage()
{
    auto* page = new QWidget(this);
    m_sheet->addItems(labelSheetNames());
    m_sheet->addItem(kCustomSheet);
    auto* form = new QFormLayout(page);
    form->addRow(QStringLiteral("Sheet:"), m_sheet);
    for (const char* name : {"Labels across", "Labels down"}) {
        auto* box = new QSpinBox(page);
        box->setRange(1, 20);
        form->addRow(QString::fromLatin1(name) + QLatin1Char(':'), box);
        m_grid << box;
    }
    for (const char* name : kMeasureNames) {
        auto* box = new QDoubleSpinBox(page);
        box->setRange(0, 400);
        box->setDecimals(2);
        form->addRow(QString::fromLatin1(name) + QLatin1Char(':'), box);
        m_sizes << box;
    }
    m_lines->setObjectName(QStringLiteral("labelLines"));
    m_lines->setPlaceholderText(QStringLiteral("[First] [Last]\n[Street]\n[Town] [Postcode]"));
    form->addRow(QStringLiteral("Lines, fields in [ ]:"), m_lines);
    return page;
}

void ReportDialog::showReport(const ReportDefinition& report)
{
    m_filling = true;
    m_name->setText(report.name);
    if (m_source->findText(report.source, Qt::MatchFixedString) < 0 && !report.source.isEmpty())
        m_source->addItem(report.source);
    choose(m_source, report.source);
    m_kind->setCurrentIndex(report.labels ? 1 : 0);
    m_pages->setCurrentIndex(report.labels ? 1 : 0);
    choose(m_paper, paperName(report.page.paper));
    m_orientation->setCurrentIndex(report.page.orientation == QPageLayout::Landscape ? 1 : 0);
    m_reportHeader->setText(report.reportHeader);
    m_reportFooter->setText(report.reportFooter);
    m_pageHeader->setText(report.pageHeader);
    m_pageFooter->setText(report.pageFooter);
    const QString sheet = labelSheetName(report.sheet);
    m_grid[0]->setValue(report.sheet.columns);
    m_grid[1]->setValue(report.sheet.rows);
    for (int i = 0; i < m_sizes.size(); ++i)
        m_sizes[i]->setValue(report.sheet.*kMeasures[i]);
    choose(m_sheet, sheet.isEmpty() ? kCustomSheet : sheet);
    for (QWidget* box : m_grid)
        box->setEnabled(sheet.isEmpty());
    for (QWidget* box : m_sizes)
        box->setEnabled(sheet.isEmpty());
    m_lines->setPlainText(report.labelLines.join(QLatin1Char('\n')));
    m_filling = false;
    fillFields(report);
}

void ReportDialog::fillFields(const ReportDefinition& report)
{
    m_filling = true;
    m_fieldNames = sourceFields(m_context, m_source->currentText()).value_or(QStringList());
    m_fittedWidths = m_fieldNames.isEmpty() ? QHash<QString, int>() : widthsToShow(m_context, m_source->currentText());
    // The report's columns first, in its order; then the source's other fields, not shown. A report that
    // shows none of the source's fields starts with all of them, each as wide as its values.
    QList<ReportField> shown;
    for (const ReportField& field : report.fields)
        if (m_fieldNames.contains(field.name, Qt::CaseInsensitive))
            shown << field;
    const bool fresh = shown.isEmpty();
    QList<std::pair<ReportField, bool>> rows;
    for (const ReportField& field : shown)
        rows << std::pair(field, true);
    for (const QString& name : m_fieldNames)
        if (std::none_of(shown.begin(), shown.end(),
                         [&name](const ReportField& field) { return field.name.compare(name, Qt::CaseInsensitive) == 0; }))
            rows << std::pair(ReportField{name, ReportField::kFitted}, fresh);
    m_fields->setRowCount(0);
    for (const auto& [field, ticked] : rows) {
        const int row = m_fields->rowCount();
        m_fields->insertRow(row);
        auto* name = new QTableWidgetItem(field.name);
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        name->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
        m_fields->setItem(row, 0, name);
        const int width = field.width > 0 ? field.width : fittedWidth(field.name);
        m_fields->setItem(row, 1, new QTableWidgetItem(QString::number(width)));
    }
    const QStringList choices = QStringList{QString()} + m_fieldNames;
    auto refill = [&choices](QComboBox* box, const QString& chosen) {
        box->clear();
        box->addItems(choices);
        choose(box, chosen);
    };
    for (int i = 0; i < m_groups.size(); ++i) {
        const ReportGroup group = report.groups.value(i);
        refill(m_groups[i].field, group.field);
        m_groups[i].by->setCurrentIndex(int(std::find(std::begin(kGroupings), std::end(kGroupings), group.by) -
                                            std::begin(kGroupings)));
    }
    for (int i = 0; i < m_totals.size(); ++i) {
        const std::optional<ReportTotal> total =
            i < report.totals.size() ? std::optional(report.totals[i]) : std::nullopt;
        refill(m_totals[i].field, total ? total->field : QString());
        choose(m_totals[i].aggregate, total ? aggregateName(total->aggregate) : QString());
    }
    for (int i = 0; i < m_sort.size(); ++i) {
        const ReportSort key = report.sort.value(i);
        refill(m_sort[i].field, key.field);
        m_sort[i].descending->setChecked(key.descending);
    }
    m_filling = false;
    changed();
}

int ReportDialog::fittedWidth(const QString& field) const
{
    return m_fittedWidths.value(field.toLower(), kUnfittedWidth);
}

void ReportDialog::moveField(int by)
{
    const int row = m_fields->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= m_fields->rowCount())
        return;
    m_filling = true;
    for (int column = 0; column < 2; ++column) {
        QTableWidgetItem* moving = m_fields->takeItem(row, column);
        m_fields->setItem(row, column, m_fields->takeItem(to, column));
        m_fields->setItem(to, column, moving);
    }
    m_fields->setCurrentCell(to, 0);
    m_filling = false;
    changed();
}

ReportDefinition ReportDialog::definition() const
{
    ReportDefinition report;
    report.name = m_name->text().trimmed();
    report.source = m_source->currentText();
    report.labels = m_kind->currentIndex() == 1;
    for (int row = 0; row < m_fields->rowCount(); ++row)
        if (m_fields->item(row, 0)->checkState() == Qt::Checked) {
            const QString name = m_fields->item(row, 0)->text();
            const int width = m_fields->item(row, 1)->text().toInt();
            // The width offered is kept as the fit it is, so that the column follows the values later on.
            report.fields << ReportField{name, width > 0 && width != fittedWidth(name) ? width : ReportField::kFitted};
        }
    for (const GroupRow& row : m_groups)
        if (!row.field->currentText().isEmpty())
            report.groups << ReportGroup{row.field->currentText(), kGroupings[std::max(row.by->currentIndex(), 0)]};
    for (const TotalRow& row : m_totals)
        if (row.aggregate->currentIndex() > 0 && !row.field->currentText().isEmpty())
            report.totals << ReportTotal{row.field->currentText(), kAggregates[row.aggregate->currentIndex() - 1]};
    for (const SortRow& row : m_sort)
        if (!row.field->currentText().isEmpty())
            report.sort << ReportSort{row.field->currentText(), row.descending->isChecked()};
    report.reportHeader = m_reportHeader->text();
    report.reportFooter = m_reportFooter->text();
    report.pageHeader = m_pageHeader->text();
    report.pageFooter = m_pageFooter->text();
    report.page.paper = paperOfName(m_paper->currentText()).value_or(QPageSize::A4);
    report.page.orientation = m_orientation->currentIndex() == 1 ? QPageLayout::Landscape : QPageLayout::Portrait;
    report.sheet.columns = m_grid[0]->value();
    report.sheet.rows = m_grid[1]->value();
    for (int i = 0; i < m_sizes.size(); ++i)
        report.sheet.*kMeasures[i] = m_sizes[i]->value();
    const QString lines = m_lines->toPlainText();
    if (!lines.trimmed().isEmpty())
        report.labelLines = lines.split(QLatin1Char('\n'));
    return report;
}

void ReportDialog::changed()
{
    if (!m_filling)
        m_pause->start();
}

void ReportDialog::refreshPreview()
{
    m_pause->stop();
    m_view->display(nullptr, 0);
    m_preview.reset();
    ReportDefinition report = definition();
    if (report.name.isEmpty())
        report.name = QStringLiteral("Report");
    // An unfinished report draws nothing rather than say what it lacks at every change.
    if (report.source.isEmpty() || (report.labels ? report.labelLines.isEmpty() : report.fields.isEmpty()) ||
        missingParts(m_context, report).any())
        return;
    m_preview = reportDocument(m_context, report, parametersForPreview);
    if (!m_preview)
        return;
    while (m_preview->pageCount() < 1 && !m_preview->layOutMore(200)) {
    }
    m_view->display(m_preview.get(), 0);
}

bool ReportDialog::save()
{
    const ReportDefinition report = definition();
    if (report.source.isEmpty()) {
        framework::showMessage(QStringLiteral("Please choose the report's source"));
        return false;
    }
    if (!saveReport(m_context, report, m_storedName))
        return false;
    m_storedName = report.name;
    return true;
}
