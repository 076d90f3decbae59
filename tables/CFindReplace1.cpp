#include "tables/CFindReplace1.h"

#include "tables/FilterTarget.h"
#include "widgets/WindowSize.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

CFindReplace1::CFindReplace1(FilterTarget& target, QWidget* parent)
    : QDialog(parent), m_engine(target), m_find(new QLineEdit(this)), m_replace(new QLineEdit(this)),
      m_field(new QComboBox(this)), m_direction(new QComboBox(this)),
      m_matchCase(new QCheckBox(QStringLiteral("Match Case"), this)),
      m_wholeWord(new QCheckBox(QStringLiteral("Whole Word"), this))
{
    setWindowTitle(QStringLiteral("Find / Replace"));
    for (int field = 0; field < target.fieldCount(); ++field)
        m_field->addItem(target.fieldName(field));
    m_field->setCurrentIndex(target.currentField());
    // In the order of FindReplace::Direction.
    m_direction->addItems({QStringLiteral("All"), QStringLiteral("Up"), QStringLiteral("Down")});

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Find what:"), m_find);
    form->addRow(QStringLiteral("Replace with:"), m_replace);
    form->addRow(QStringLiteral("Field:"), m_field);
    form->addRow(QStringLiteral("Direction:"), m_direction);

    auto* checks = new QHBoxLayout;
    checks->addWidget(m_matchCase);
    checks->addWidget(m_wholeWord);

    auto* buttons = new QGridLayout;
    const auto add = [&](const QString& text, void (CFindReplace1::*handler)(), int position) {
        auto* button = new QPushButton(text, this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
        buttons->addWidget(button, position / 2, position % 2);
        return button;
    };
    add(QStringLiteral("Find Next"), &CFindReplace1::findNext, 0)->setDefault(true);
    add(QStringLiteral("Replace"), &CFindReplace1::replace, 1);
    add(QStringLiteral("Replace All"), &CFindReplace1::replaceAll, 2);
    add(QStringLiteral("Close"), &CFindReplace1::reject, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(checks);
    layout->addLayout(buttons);
    layout->addStretch();
    resizeToText(*this, 80, 18);
}

FindReplace::Request CFindReplace1::request() const
{
    FindReplace::Request made;
    made.search.text = m_find->text();
    made.search.matchCase = m_matchCase->isChecked();
    made.search.wholeWord = m_wholeWord->isChecked();
    made.replacement = m_replace->text();
    made.field = m_field->currentIndex();
    made.direction = FindReplace::Direction(m_direction->currentIndex());
    return made;
}

void CFindReplace1::findNext() { m_engine.findNext(request()); }
void CFindReplace1::replace() { m_engine.replace(request()); }
void CFindReplace1::replaceAll()
{
    // The box comes only when the work outlasts its delay, and goes before the closing message.
    std::unique_ptr<QProgressDialog> progress;
    const auto step = [&](double share) {
        if (share >= 1) {
            progress.reset();
            return true;
        }
        if (!progress) {
            progress = std::make_unique<QProgressDialog>(QStringLiteral("Replacing..."), QStringLiteral("Cancel"), 0,
                                                         1000, this);
            progress->setWindowModality(Qt::WindowModal);
            progress->setMinimumDuration(300);
        }
        progress->setValue(int(share * 1000));
        QApplication::processEvents();
        const bool goOn = !progress->wasCanceled();
        if (!goOn)
            progress.reset();
        return goOn;
    };
    m_engine.replaceAll(request(), step);
}
