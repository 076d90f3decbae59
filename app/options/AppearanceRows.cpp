#include "app/options/AppearanceRows.h"

#include "app/options/ColourButton.h"
#include "data/FontOptions.h"
#include "widgets/CFontDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

int addAppearanceRows(QGridLayout* grid, int row, const QString& section, const QList<ColourOption>& colours,
                      QWidget* page)
{
    auto* font = new QPushButton(QStringLiteral("..."), page);
    font->setObjectName(QStringLiteral("font"));
    QObject::connect(font, &QPushButton::clicked, page, [section, page] {
        if (const std::optional<FontChoice> chosen = CFontDialog::ask(loadFontChoice(section), page))
            storeFontChoice(section, *chosen);
    });
    grid->addWidget(new QLabel(QStringLiteral("Font"), page), row, 0);
    grid->addWidget(font, row++, 1);
    for (const ColourOption& colour : colours) {
        grid->addWidget(new QLabel(colour.label, page), row, 0);
        grid->addWidget(new ColourButton(colour, page), row++, 1);
    }
    return row;
}
