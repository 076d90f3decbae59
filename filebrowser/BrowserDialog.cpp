#include "filebrowser/BrowserDialog.h"

#include "filebrowser/browser/Patterns.h"

#include <QComboBox>
#include <QFileIconProvider>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

using browser::BrowserSession;
using browser::ViewStyle;

namespace {

const int kSmallIcon = 16;
const int kLargeIcon = 32;
// A folder path of this many characters shows whole in the path box before it scrolls.
const int kPathCharacters = 48;
// The size the chooser opens at, in characters and lines of its font, so it grows with the font.
const int kOpeningCharacters = 92;
const int kOpeningLines = 30;

QIcon iconFor(const browser::BrowserRow& row)
{
    static const QFileIconProvider provider;
    const QIcon icon = provider.icon(QFileInfo(row.hostPath));
    if (!icon.isNull())
        return icon;
    return provider.icon(row.isFolder() ? QAbstractFileIconProvider::Folder : QAbstractFileIconProvider::File);
}

QList<QStandardItem*> itemsOf(const browser::BrowserRow& row)
{
    QList<QStandardItem*> items;
    for (const QString& text : row.texts) {
        auto* item = new QStandardItem(text);
        item->setEditable(false);
        items.append(item);
    }
    items[browser::Name]->setIcon(iconFor(row));
    items[browser::Name]->setData(row.devicePath, Qt::UserRole);
    return items;
}

}  // namespace

BrowserResult runBrowserDialog(const BrowserRequest& request, QWidget* owner)
{
    static bool running = false;
    if (running)
        return {};
    running = true;
    BrowserDialog dialog(request, owner);
    dialog.exec();
    running = false;
    return dialog.answer();
}

BrowserDialog::BrowserDialog(const BrowserRequest& request, QWidget* owner)
    : QDialog(owner), m_session(request)
{
    setWindowTitle(m_session.title());
    buildControls();
    connectControls();
    showBoxes();
    showViewStyle();
    showRows();
}

void BrowserDialog::buildControls()
{
    m_pathBox = new QComboBox;
    m_pathBox->setObjectName(QStringLiteral("pathBox"));
    m_pathBox->setEditable(true);
    m_pathBox->setInsertPolicy(QComboBox::NoInsert);
    m_pathBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_pathBox->setMinimumContentsLength(kPathCharacters);
    m_pathBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_upButton = new QPushButton(tr("Up"));
    m_upButton->setObjectName(QStringLiteral("upButton"));
    m_upButton->setToolTip(tr("The folder above (Alt+Up)"));
    m_upButton->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Up));
    m_viewButton = new QPushButton(tr("View"));
    m_viewButton->setObjectName(QStringLiteral("viewButton"));
    auto* viewMenu = new QMenu(m_viewButton);
    viewMenu->setObjectName(QStringLiteral("viewMenu"));
    const std::pair<QString, ViewStyle> styles[] = {{tr("List"), ViewStyle::List},
                                                    {tr("Details"), ViewStyle::Details},
                                                    {tr("Icon"), ViewStyle::Icon},
                                                    {tr("Tiles"), ViewStyle::Tiles}};
    for (const auto& [caption, style] : styles)
        connect(viewMenu->addAction(caption), &QAction::triggered, this,
                [this, style] { act([&] { m_session.chooseViewStyle(style); }); });
    m_viewButton->setMenu(viewMenu);

    m_model = new QStandardItemModel(0, browser::ColumnCount, this);
    m_model->setHorizontalHeaderLabels({tr("Name"), tr("Size"), tr("Modified"), tr("SizeK"), tr("Type")});
    m_details = new QTreeView;
    m_details->setObjectName(QStringLiteral("detailsList"));
    m_details->setModel(m_model);
    m_details->setRootIsDecorated(false);
    m_details->setItemsExpandable(false);
    m_details->setIconSize(QSize(kSmallIcon, kSmallIcon));
    m_details->header()->setSectionsClickable(true);
    m_details->header()->setStretchLastSection(false);
    m_details->setColumnHidden(browser::SizeK, true);
    m_details->setColumnHidden(browser::Type, true);
    m_icons = new QListView;
    m_icons->setObjectName(QStringLiteral("iconList"));
    m_icons->setModel(m_model);
    m_icons->setWrapping(true);
    m_icons->setResizeMode(QListView::Adjust);
    m_icons->setMovement(QListView::Static);
    m_views = new QStackedWidget;
    m_views->addWidget(m_details);
    m_views->addWidget(m_icons);

    m_fileNameBox = new QLineEdit;
    m_fileNameBox->setObjectName(QStringLiteral("fileNameBox"));
    m_filterBox = new QComboBox;
    m_filterBox->setObjectName(QStringLiteral("filterBox"));
    // Every filter text shows whole.
    m_filterBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_okButton = new QPushButton(tr("Ok"));
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton = new QPushButton(tr("Cancel"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    // Enter acts on the box or the list it is typed in; a button taking it as the default one would
    // instead do whatever that button does (Up, for one, leaving the folder the user is in).
    for (QPushButton* button : {m_upButton, m_viewButton, m_okButton, m_cancelButton})
        button->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(m_pathBox, 1);
    top->addWidget(m_upButton);
    top->addWidget(m_viewButton);
    auto* bottom = new QGridLayout;
    bottom->addWidget(m_fileNameBox, 0, 0);
    bottom->addWidget(m_okButton, 0, 1);
    bottom->addWidget(m_filterBox, 1, 0);
    bottom->addWidget(m_cancelButton, 1, 1);
    bottom->setColumnStretch(0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_views, 1);
    layout->addLayout(bottom);
    resize(openingSize());
}

// Roomy enough for long names and the dates beside them, never larger than the screen nor smaller
// than the controls need.
QSize BrowserDialog::openingSize() const
{
    const QFontMetrics metrics(font());
    QSize size(metrics.averageCharWidth() * kOpeningCharacters, metrics.lineSpacing() * kOpeningLines);
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    return size.expandedTo(minimumSizeHint());
}

void BrowserDialog::connectControls()
{
    connect(m_pathBox, &QComboBox::activated, this, [this](int index) { act([&] { m_session.choosePathEntry(index); }); });
    connect(m_pathBox, &QComboBox::editTextChanged, this, [this](const QString& text) { m_session.editPathText(text); });
    // The box would hand Enter on to its own line again and to its drop-down's matching: it is taken here.
    m_pathBox->lineEdit()->installEventFilter(this);
    connect(m_upButton, &QPushButton::clicked, this, [this] { act([&] { m_session.up(); }); });
    connect(m_filterBox, &QComboBox::activated, this, [this](int index) { act([&] { m_session.chooseFilter(index); }); });
    connect(m_fileNameBox, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_session.editFileName(text);
        // Ok takes the typed name now, so no row may look chosen.
        for (QAbstractItemView* view : views())
            view->selectionModel()->clearSelection();
    });
    connect(m_fileNameBox, &QLineEdit::returnPressed, this, [this] { actAndTell([&] { m_session.ok(); }); });
    connect(m_details->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { act([&] { m_session.clickHeader(static_cast<browser::Column>(column)); }); });
    for (QAbstractItemView* view : views()) {
        // A row reached with the mouse or the arrow keys names its file, as a tap does.
        connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this, view] {
            const QModelIndexList chosen = view->selectionModel()->selectedIndexes();
            if (chosen.isEmpty()) {
                m_session.selectRow(-1);
                return;
            }
            m_session.tapRow(chosen.first().row());
            showBoxes();
        });
        // A double click, or Enter on the row: folders open, files are chosen.
        connect(view, &QAbstractItemView::activated, this,
                [this](const QModelIndex& index) { act([&] { m_session.doubleTapRow(index.row()); }); });
    }
    connect(m_okButton, &QPushButton::clicked, this, [this] { actAndTell([&] { m_session.ok(); }); });
    connect(m_cancelButton, &QPushButton::clicked, this, &BrowserDialog::reject);
}

// Every action that may change the rows: run it, show the new state, and leave when it ended the dialog.
template <typename Action>
void BrowserDialog::act(Action action)
{
    action();
    if (!m_session.replaceQuestion().isEmpty())
        m_session.answerReplace(QMessageBox::question(this, m_session.title(), m_session.replaceQuestion()) ==
                                QMessageBox::Yes);
    if (m_session.ended()) {
        done(m_session.result().chosen ? QDialog::Accepted : QDialog::Rejected);
        return;
    }
    showBoxes();
    showViewStyle();
    showRows();
}

// Ok and Enter in a box: as any action, and a name that is not there is said so.
template <typename Action>
void BrowserDialog::actAndTell(Action action)
{
    act(action);
    if (!m_session.ended() && !m_session.notFound().isEmpty())
        QMessageBox::warning(this, m_session.title(), m_session.notFoundMessage());
}

QList<QAbstractItemView*> BrowserDialog::views() const
{
    return {m_details, m_icons};
}

bool BrowserDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pathBox->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            actAndTell([&] { m_session.enterPath(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void BrowserDialog::reject()
{
    m_session.cancel();
    QDialog::reject();
}

void BrowserDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_columnsSized)
        return;
    m_columnsSized = true;
    const int width = m_details->viewport()->width();
    m_details->setColumnWidth(browser::Size, width / 4);
    m_details->setColumnWidth(browser::Modified, width / 2);
    fitNameColumn();
    m_views->currentWidget()->setFocus();
}

void BrowserDialog::showRows()
{
    m_model->setRowCount(0);
    for (const browser::BrowserRow& row : m_session.rows())
        m_model->appendRow(itemsOf(row));
    if (m_columnsSized)
        fitNameColumn();
}

// Every listing's names show whole; the column never shrinks below a quarter of the list. Wide names
// take their room from the dates' column first, as far as the dates still show whole.
void BrowserDialog::fitNameColumn()
{
    const int width = m_details->viewport()->width();
    m_details->resizeColumnToContents(browser::Name);
    m_details->setColumnWidth(browser::Name, std::max(m_details->columnWidth(browser::Name), width / 4));
    const int room = width - m_details->columnWidth(browser::Name) - m_details->columnWidth(browser::Size);
    m_details->resizeColumnToContents(browser::Modified);
    m_details->setColumnWidth(browser::Modified, std::max(room, m_details->columnWidth(browser::Modified)));
}

void BrowserDialog::showBoxes()
{
    const QSignalBlocker pathBlocker(m_pathBox);
    m_pathBox->clear();
    m_pathBox->addItems(m_session.pathEntries());
    m_pathBox->setCurrentIndex(static_cast<int>(m_session.selectedPathEntry()));
    m_pathBox->setEditText(m_session.pathText());
    const QSignalBlocker filterBlocker(m_filterBox);
    if (m_filterBox->count() == 0)
        for (const QString& entry : m_session.filterEntries())
            m_filterBox->addItem(browser::filterLabel(entry));
    m_filterBox->setCurrentIndex(static_cast<int>(m_session.selectedFilter()));
    m_fileNameBox->setText(m_session.fileNameText());
}

void BrowserDialog::showViewStyle()
{
    switch (m_session.viewStyle()) {
    case ViewStyle::Details:
        m_views->setCurrentWidget(m_details);
        return;
    case ViewStyle::List:
        m_icons->setViewMode(QListView::ListMode);
        m_icons->setFlow(QListView::TopToBottom);
        m_icons->setIconSize(QSize(kSmallIcon, kSmallIcon));
        break;
    case ViewStyle::Icon:
        m_icons->setViewMode(QListView::IconMode);
        m_icons->setIconSize(QSize(kLargeIcon, kLargeIcon));
        break;
    case ViewStyle::Tiles:
        m_icons->setViewMode(QListView::ListMode);
        m_icons->setFlow(QListView::LeftToRight);
        m_icons->setIconSize(QSize(kSmallIcon, kSmallIcon));
        break;
    }
    m_views->setCurrentWidget(m_icons);
}
