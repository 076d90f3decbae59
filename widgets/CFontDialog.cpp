#include "widgets/CFontDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

QFont fontFromChoice(const FontChoice& choice)
{
    QFont font(choice.face);
    bool ok = false;
    const int height = choice.size.trimmed().toInt(&ok);
    if (ok && height > 0)
        font.setPixelSize(height);
    font.setWeight(choice.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    font.setStrikeOut(choice.strikethrough);
    return font;
}

namespace {
// Selects the entry showing `text`, adding it first when the list lacks it.
void selectText(QListWidget* list, const QString& text)
{
    QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchFixedString);
    QListWidgetItem* item = found.isEmpty() ? nullptr : found.first();
    if (!item && !text.isEmpty()) {
        item = new QListWidgetItem(text);
        list->insertItem(0, item);
    }
    list->setCurrentItem(item);
    if (item)
        list->scrollToItem(item);
}

QString currentText(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    return item ? item->text() : QString();
}
} // namespace

CFontDialog::CFontDialog(const FontChoice& start, QWidget* parent)
    : QDialog(parent), m_faces(new QListWidget(this)), m_sizes(new QListWidget(this)),
      m_bold(new QCheckBox(QStringLiteral("Bold"), this)), m_italic(new QCheckBox(QStringLiteral("Italic"), this)),
      m_underline(new QCheckBox(QStringLiteral("Underline"), this)),
      m_strikethrough(new QCheckBox(QStringLiteral("Strikethrough"), this)),
      m_highlight(new QCheckBox(QStringLiteral("Highlight"), this)), m_sample(new QLabel(QStringLiteral("AaBbYyZz"), this))
{
    setObjectName(QStringLiteral("fontDialog"));
    setWindowTitle(QStringLiteral("Font"));
    m_faces->setObjectName(QStringLiteral("fontFaces"));
    m_sizes->setObjectName(QStringLiteral("fontSizes"));
    m_sample->setObjectName(QStringLiteral("fontSample"));
    m_faces->addItems(QFontDatabase::families());
    for (int size : QFontDatabase::standardSizes())
        m_sizes->addItem(QString::number(size));
    selectText(m_faces, start.face);
    selectText(m_sizes, start.size);
    const QList<std::pair<QCheckBox*, bool>> boxes = {{m_bold, start.bold},
                                                      {m_italic, start.italic},
                                                      {m_underline, start.underline},
                                                      {m_strikethrough, start.strikethrough},
                                                      {m_highlight, start.highlight}};
    for (const auto& [box, checked] : boxes) {
        box->setChecked(checked);
        connect(box, &QCheckBox::toggled, this, &CFontDialog::showSample);
    }
    connect(m_faces, &QListWidget::currentItemChanged, this, &CFontDialog::showSample);
    connect(m_sizes, &QListWidget::currentItemChanged, this, &CFontDialog::showSample);

    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setMinimumHeight(m_sample->fontMetrics().height() * 3);
    m_sample->setFrameShape(QFrame::StyledPanel);
    m_sample->setAutoFillBackground(true);
    m_sizes->setMaximumWidth(m_sizes->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 40);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Font:"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Size:"), this), 0, 1);
    grid->addWidget(m_faces, 1, 0);
    grid->addWidget(m_sizes, 1, 1);
    auto* flags = new QGridLayout;
    flags->addWidget(m_bold, 0, 0);
    flags->addWidget(m_italic, 0, 1);
    flags->addWidget(m_underline, 0, 2);
    flags->addWidget(m_strikethrough, 1, 0);
    flags->addWidget(m_highlight, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(flags);
    layout->addWidget(m_sample);
    layout->addWidget(buttons);
    showSample();
}

FontChoice CFontDialog::choice() const
{
    FontChoice choice;
    choice.face = currentText(m_faces);
    choice.size = currentText(m_sizes);
    choice.bold = m_bold->isChecked();
    choice.italic = m_italic->isChecked();
    choice.underline = m_underline->isChecked();
    choice.strikethrough = m_strikethrough->isChecked();
    choice.highlight = m_highlight->isChecked();
    return choice;
}

void CFontDialog::showSample()
{
    const FontChoice chosen = choice();
    m_sample->setFont(fontFromChoice(chosen));
    // Highlight shows the sample as selected text.
    QPalette colours = palette();
    if (chosen.highlight) {
        colours.setColor(QPalette::Window, colours.color(QPalette::Highlight));
        colours.setColor(QPalette::WindowText, colours.color(QPalette::HighlightedText));
    }
    m_sample->setPalette(colours);
}

std::optional<FontChoice> CFontDialog::ask(const FontChoice& start, QWidget* parent)
{
    CFontDialog dialog(start, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}
