#include "app/options/ColourButton.h"

#include "widgets/CColorChooser.h"

#include <QPixmap>

ColourButton::ColourButton(ColourOption option, QWidget* parent)
    : QPushButton(QStringLiteral("..."), parent), m_option(std::move(option))
{
    setObjectName(m_option.key);
    connect(this, &QPushButton::clicked, this, &ColourButton::choose);
    showColour();
}

void ColourButton::choose()
{
    writeColour(m_option, chooseColor(storedColour(m_option), this, m_option.label));
    showColour();
}

void ColourButton::showColour()
{
    QPixmap swatch(14, 14);
    swatch.fill(colorFromBgr(storedColour(m_option)));
    setIcon(swatch);
}
