#include "reports/ui/ReportsWindow.h"

#include "data/ReportStore.h"
#include "platform/framework/MessageBox.h"
#include "reports/PrintDocument.h"
#include "reports/ReportDocument.h"
#include "reports/ReportSources.h"
#include "reports/ui/DocumentPrinter.h"
#include "reports/ui/ReportDialog.h"
#include "reports/ui/ReportPreview.h"
#include "widgets/WindowSize.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

ReportsWindow::ReportsWindow(CAppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("reportsWindow"));
    setWindowTitle(QStringLiteral("Reports"));
    m_list->setObjectName(QStringLiteral("reportsList"));
    auto* buttons = new QVBoxLayout;
    const std::pair<Command, const char*> commands[] = {{New, "&New..."},        {Edit, "&Edit..."},
                                                        {Delete, "&Delete"},     {Preview, "Pre&view"},
                                                        {Print, "&Print..."},    {ExportPdf, "Export to P&DF..."}};
    for (const auto& [command, text] : commands) {
        auto* button = new QPushButton(QString::fromLatin1(text), this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, command = command] { run(command); });
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { run(Preview); });
    refresh();
    resizeToText(*this, 60, 18);
}

void ReportsWindow::refresh()
{
    const QString chosen = selected();
    m_list->clear();
    m_list->addItems(ReportStore(m_context).names());
    if (!select(chosen) && m_list->count() > 0)
        m_list->setCurrentRow(0);
}

bool ReportsWindow::select(const QString& name)
{
    const QList<QListWidgetItem*> found = m_list->findItems(name, Qt::MatchFixedString);
    if (name.isEmpty() || found.isEmpty())
        return false;
    m_list->setCurrentItem(found.first());
    return true;
}

QString ReportsWindow::selected() const
{
    const QListWidgetItem* item = m_list->currentItem();
    return item ? item->text() : QString();
}

void ReportsWindow::run(Command command)
{
    const QString name = selected();
    if (command == New) {
        ReportDefinition fresh;
        fresh.source = m_newSource;
        ReportDialog dialog(m_context, fresh, QString(), this);
        if (dialog.exec() == QDialog::Accepted) {
            refresh();
            select(dialog.definition().name);
        }
        return;
    }
    if (name.isEmpty()) {
        framework::showMessage(QStringLiteral("Please select a report"));
        return;
    }
    auto document = [this, name]() -> std::unique_ptr<PrintDocument> {
        const std::optional<ReportDefinition> report = loadReport(m_context, name);
        return report ? reportDocument(m_context, *report, askForParameters()) : nullptr;
    };
    switch (command) {
    case Edit: edit(name); break;
    case Delete:
        if (framework::showMessage(QStringLiteral("Delete the report ") + name + QStringLiteral("?"), QString(),
                                   framework::Buttons::YesNo, framework::Icon::Question) == framework::Answer::Yes &&
            !ReportStore(m_context).remove(name))
            framework::showMessage(QStringLiteral("The report could not be deleted: ") + name);
        refresh();
        break;
    case Preview:
        if (std::unique_ptr<PrintDocument> pages = document()) {
            ReportPreview preview(std::move(pages), this);
            preview.exec();
        }
        break;
    case Print: DocumentPrinter(this, document).print(); break;
    case ExportPdf: DocumentPrinter(this, document).exportPdf(); break;
    case New: break;
    }
}

void ReportsWindow::edit(const QString& name)
{
    std::optional<ReportDefinition> report = loadReport(m_context, name);
    if (!report)
        return;
    // What is gone is said once, and left out of what the dialog shows; the stored report stays as it was
    // unless it is saved.
    if (const MissingParts missing = missingParts(m_context, *report); missing.any()) {
        framework::showMessage(missingText(*report, missing));
        report = withoutFields(*report, missing.fields);
    }
    ReportDialog dialog(m_context, *report, name, this);
    if (dialog.exec() == QDialog::Accepted) {
        refresh();
        select(dialog.definition().name);
    }
}
