#include "logic/queries/CQueryBuilderDlg.h"

#include "widgets/WindowSize.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
constexpr int kBackspace = 342;
constexpr int kDelete = 347;
constexpr int kFirstDigit = 630;

// The buttons as they are laid out, by control id, with their captions.
struct ButtonCell {
    int id;
    const char* caption;
};
const ButtonCell kButtons[] = {
    {264, "SELECT"}, {302, "FROM"}, {305, "WHERE"}, {366, "ORDER BY"}, {371, "INNER JOIN"}, {376, "DESC"},
    {386, "AND"},    {352, "OR"},   {308, "NOT"},   {835, "LIKE"},     {391, "IS"},         {459, "NULL"},
    {329, "*"},      {335, "%"},    {471, "="},     {441, "<"},        {453, ">"},          {396, "."},
    {402, ","},      {413, "("},    {429, ")"},     {405, "'"},        {kBackspace, "B K"}, {kDelete, "D E L"}};
constexpr int kButtonsPerRow = 6;
} // namespace

CQueryBuilderDlg::CQueryBuilderDlg(CAppContext& context, const QString& statement, QWidget* parent)
    : QDialog(parent), m_builder(context, statement), m_tables(new QListWidget), m_fields(new QListWidget),
      m_text(new QPlainTextEdit)
{
    setWindowTitle(QStringLiteral("Query Builder"));
    m_tables->setObjectName(QStringLiteral("tables"));
    m_fields->setObjectName(QStringLiteral("fields"));
    m_text->setObjectName(QStringLiteral("sqlSource"));
    m_tables->addItems(m_builder.tables());

    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("Table:")), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("Field:")), 0, 1);
    lists->addWidget(m_tables, 1, 0);
    lists->addWidget(m_fields, 1, 1);

    auto* keys = new QGridLayout;
    keys->setSpacing(2);
    int at = 0;
    for (const ButtonCell& cell : kButtons) {
        auto* key = new QPushButton(QLatin1String(cell.caption));
        key->setObjectName(QStringLiteral("button%1").arg(cell.id));
        key->setAutoDefault(false);
        connect(key, &QPushButton::clicked, this, [this, id = cell.id] { press(id); });
        keys->addWidget(key, at / kButtonsPerRow, at % kButtonsPerRow);
        ++at;
    }
    auto* digits = new QGridLayout;
    digits->setSpacing(2);
    for (int digit = 0; digit <= 9; ++digit) {
        auto* key = new QPushButton(QString::number(digit));
        key->setObjectName(QStringLiteral("button%1").arg(kFirstDigit + digit));
        key->setAutoDefault(false);
        connect(key, &QPushButton::clicked, this, [this, digit] { press(kFirstDigit + digit); });
        digits->addWidget(key, 0, digit);
    }

    auto* save = new QPushButton(QStringLiteral("Save SQL Changes"));
    save->setObjectName(QStringLiteral("saveSql"));
    connect(save, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(keys);
    layout->addLayout(digits);
    layout->addWidget(new QLabel(QStringLiteral("Form Sql Source :")));
    layout->addWidget(m_text, 1);
    layout->addWidget(save);

    connect(m_tables, &QListWidget::currentRowChanged, this, &CQueryBuilderDlg::tableChosen);
    connect(m_tables, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_builder.appendName(item->text());
        showText();
    });
    connect(m_fields, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (m_tables->currentItem())
            m_builder.appendField(m_tables->currentItem()->text(), item->text());
        showText();
    });
    connect(m_text, &QPlainTextEdit::textChanged, this,
            [this] { m_builder.setText(m_text->toPlainText(), m_text->textCursor().position()); });
    connect(m_text, &QPlainTextEdit::cursorPositionChanged, this,
            [this] { m_builder.setText(m_text->toPlainText(), m_text->textCursor().position()); });
    showText();
    resizeToText(*this, 110, 34);
}

std::optional<QString> CQueryBuilderDlg::build(CAppContext& context, const QString& statement, QWidget* parent)
{
    CQueryBuilderDlg dialog(context, statement, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.m_builder.text();
}

void CQueryBuilderDlg::press(int id)
{
    if (id == kBackspace)
        m_builder.backspace();
    else if (id == kDelete)
        m_builder.deleteForward();
    else if (id >= kFirstDigit && id <= kFirstDigit + 9)
        m_builder.enterDigit(id - kFirstDigit);
    else
        m_builder.appendWord(QueryBuilder::buttonWord(id));
    showText();
}

void CQueryBuilderDlg::tableChosen()
{
    m_fields->clear();
    if (m_tables->currentItem())
        m_fields->addItems(m_builder.fields(m_tables->currentItem()->text()));
}

void CQueryBuilderDlg::showText()
{
    const QSignalBlocker block(m_text);
    if (m_text->toPlainText() != m_builder.text())
        m_text->setPlainText(m_builder.text());
    QTextCursor caret = m_text->textCursor();
    caret.setPosition(int(m_builder.caret()));
    m_text->setTextCursor(caret);
}
