#include "app/CDBView.h"

#include "app/ImageStrip.h"
#include "app/shell/DatabaseCommands.h"
#include "app/shell/FieldListRow.h"
#include "widgets/ColumnFit.h"
#include "widgets/GridColours.h"

#include <QApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

CDBView::CDBView(DatabaseWindowModel& model, DatabaseCommands& commands, int stripScale, QWidget* parent)
    : QWidget(parent), m_model(model), m_commands(commands), m_strip(new ImageStrip(stripScale, this))
{
    setObjectName(QStringLiteral("databaseWindow"));
    setAutoFillBackground(true);

    // Size and Modified are left out: the engine keeps neither a size of each table apart from its file's
    // nor the time a table last changed. The model still fills the columns as before.
    m_tables = makeList({"Table Name", "Record Count", "Size", "Modified", QString(), "Form Name"},
                        {90, 90, 0, 0, 0, 0}, QStringLiteral("tablesList"));
    m_fields = makeList(fieldListTitles(), fieldListWidths(), QStringLiteral("fieldsList"));
    m_forms = makeList({"Form Name"}, {200}, QStringLiteral("formsList"));
    m_formDetail = makeList({"Field", "Type"}, {150, 150}, QStringLiteral("formDetailList"));
    m_queries = makeList({"Query Name", "Query String"}, {100, 500}, QStringLiteral("queriesList"));
    m_macros = makeList({"Macro Name"}, {200}, QStringLiteral("macrosList"));
    m_modules = makeList({"Module Name"}, {300}, QStringLiteral("modulesList"));
    m_modules->headerItem()->setTextAlignment(0, Qt::AlignCenter);
    m_source = new QPlainTextEdit(this);
    m_source->setObjectName(QStringLiteral("moduleSource"));
    m_source->setReadOnly(true);
    m_relations = new QWidget(this);
    m_relations->setObjectName(QStringLiteral("relationsWidgets"));

    m_recordCountCaption = new QLabel(m_model.recordCountCaption(), this);
    m_recordCount = new QLabel(this);
    m_recordCount->setObjectName(QStringLiteral("recordCountValue"));
    m_fieldCountCaption = new QLabel(QStringLiteral("Field Count:"), this);
    m_fieldCount = new QLabel(this);
    m_fieldCount->setObjectName(QStringLiteral("fieldCountValue"));

    auto* labels = new QGridLayout;
    labels->addWidget(m_recordCountCaption, 0, 0);
    labels->addWidget(m_recordCount, 0, 1);
    labels->addWidget(m_fieldCountCaption, 0, 2);
    labels->addWidget(m_fieldCount, 0, 3);
    labels->setColumnStretch(1, 1);
    labels->setColumnStretch(3, 1);

    auto* panes = new QVBoxLayout;
    for (QWidget* list : {static_cast<QWidget*>(m_tables), static_cast<QWidget*>(m_forms),
                          static_cast<QWidget*>(m_queries), static_cast<QWidget*>(m_macros),
                          static_cast<QWidget*>(m_modules)})
        panes->addWidget(list, 3);
    panes->addLayout(labels);
    panes->addWidget(m_fields, 2);
    panes->addWidget(m_formDetail, 2);
    panes->addWidget(m_source, 2);
    panes->addWidget(m_relations, 5);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_strip, 0, Qt::AlignTop);
    layout->addLayout(panes, 1);

    connect(m_strip, &ImageStrip::tapped, this, [this](int x, int y) { m_commands.tapStrip(x, y); });
    connect(m_tables, &QTreeWidget::currentItemChanged, this, [this] {
        if (!m_refreshing)
            m_commands.selectTable(m_tables->currentIndex().row());
    });
    for (QTreeWidget* list : {m_forms, m_queries, m_macros, m_modules})
        connect(list, &QTreeWidget::currentItemChanged, this, [this, list] {
            if (!m_refreshing)
                m_commands.selectObject(list->currentIndex().row());
        });
    // The click before the double click has selected the item and refilled the list, so the list's own
    // double-click signal (which wants the item first pressed) never comes: the viewport's event serves.
    for (QTreeWidget* list : {m_tables, m_forms, m_queries, m_macros, m_modules}) {
        list->viewport()->installEventFilter(this);
        list->installEventFilter(this);
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const int extra = tablesListExtraHeight(screen->size().width(), screen->size().height());
        m_tables->setMinimumHeight(m_tables->minimumSizeHint().height() + extra);
    }
    m_model.setChangeListener([this] { refresh(); });
    refresh();
}

bool CDBView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* list = qobject_cast<QTreeWidget*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (list && list->currentItem() && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                m_commands.openSelected();
                return true;
            }
            if (key->key() == Qt::Key_Delete) {
                m_commands.deleteSelected();
                return true;
            }
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        auto* list = qobject_cast<QTreeWidget*>(watched->parent());
        if (list && list->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            m_commands.openSelected();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CDBView::setRelationsPane(QWidget* pane)
{
    auto* layout = new QVBoxLayout(m_relations);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pane);
}

QTreeWidget* CDBView::makeList(const QStringList& titles, const QList<int>& widths, const QString& name)
{
    auto* list = new QTreeWidget(this);
    list->setObjectName(name);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setAllColumnsShowFocus(true);
    list->setColumnCount(int(titles.size()));
    list->setHeaderLabels(titles);
    list->header()->setStretchLastSection(false);
    list->header()->setMinimumSectionSize(0);
    for (int column = 0; column < widths.size(); ++column) {
        list->setColumnWidth(column, widths.at(column));
        list->setColumnHidden(column, widths.at(column) == 0);
    }
    return list;
}

void CDBView::applyLook(const WindowLook& look)
{
    // Each colour left unchosen comes from the desktop, light or dark.
    const QPalette desktop = QApplication::palette(this);
    QPalette window = desktop;
    if (look.backgroundColor) {
        window.setColor(QPalette::Window, colorFromBgr(*look.backgroundColor));
        window.setColor(QPalette::WindowText, readableOn(colorFromBgr(*look.backgroundColor)));
    }
    setPalette(window);

    const QFont font = listFont(look);
    for (QTreeWidget* list : findChildren<QTreeWidget*>()) {
        QPalette colours = QApplication::palette(list);
        if (look.listColor) {
            colours.setColor(QPalette::Base, colorFromBgr(*look.listColor));
            colours.setColor(QPalette::Text, readableOn(colorFromBgr(*look.listColor)));
        }
        if (look.fontColor)
            colours.setColor(QPalette::Text, colorFromBgr(*look.fontColor));
        list->setPalette(colours);
        list->setFont(font);
        // What fitted the old font may cut the new one.
        widenColumnsToFit(*list, *list->header());
    }
}

QTreeWidget* CDBView::objectList() const
{
    switch (m_model.pane()) {
    case Pane::Forms: return m_forms;
    case Pane::Queries: return m_queries;
    case Pane::Macros: return m_macros;
    case Pane::Modules: return m_modules;
    case Pane::Tables:
    case Pane::Relations: return nullptr;
    }
    return nullptr;
}

void CDBView::refresh()
{
    m_refreshing = true;
    m_strip->showPane(m_model.pane());
    fillTables();
    fillObjects();
    m_source->setPlainText(m_model.moduleSource());
    m_recordCountCaption->setText(m_model.recordCountCaption());
    m_recordCount->setText(m_model.recordCountValue());
    m_fieldCount->setText(m_model.fieldCountValue());
    updateVisibility();
    m_refreshing = false;
    emit refreshed();
}

void CDBView::fillTables()
{
    m_tables->clear();
    for (const TableRow& row : m_model.tables())
        new QTreeWidgetItem(m_tables, {row.name, row.recordCount, QString(), row.column3, row.tableId});
    if (QTreeWidgetItem* selected = m_tables->topLevelItem(m_model.selectedTable()))
        m_tables->setCurrentItem(selected);

    m_fields->clear();
    for (const QStringList& field : m_model.fields())
        new QTreeWidgetItem(m_fields, field);
    widenColumnsToFit(*m_tables, *m_tables->header());
    widenColumnsToFit(*m_fields, *m_fields->header());
}

void CDBView::fillObjects()
{
    m_formDetail->clear();
    for (const QStringList& control : m_model.formControls())
        new QTreeWidgetItem(m_formDetail, control);
    widenColumnsToFit(*m_formDetail, *m_formDetail->header());

    QTreeWidget* list = objectList();
    if (!list)
        return;
    list->clear();
    for (const QStringList& item : m_model.objects())
        new QTreeWidgetItem(list, item);
    widenColumnsToFit(*list, *list->header());
    if (QTreeWidgetItem* selected = list->topLevelItem(m_model.selectedObject()))
        list->setCurrentItem(selected);
}

void CDBView::updateVisibility()
{
    const Pane pane = m_model.pane();
    m_tables->setVisible(pane == Pane::Tables);
    m_fields->setVisible(pane == Pane::Tables);
    m_forms->setVisible(pane == Pane::Forms);
    m_formDetail->setVisible(pane == Pane::Forms);
    m_queries->setVisible(pane == Pane::Queries);
    m_macros->setVisible(pane == Pane::Macros);
    m_modules->setVisible(pane == Pane::Modules);
    m_source->setVisible(pane == Pane::Modules);
    m_relations->setVisible(pane == Pane::Relations);

    const bool counts = m_model.countLabelsVisible();
    m_recordCountCaption->setVisible(counts || pane == Pane::Modules);
    m_recordCount->setVisible(counts);
    m_fieldCountCaption->setVisible(counts);
    m_fieldCount->setVisible(counts);
}
