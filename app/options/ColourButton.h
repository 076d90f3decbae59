#pragma once
// The "..." button of a colour option: shows the stored colour and opens the colour chooser on it.
#include "app/options/ColourOption.h"

#include <QPushButton>

class ColourButton : public QPushButton {
    Q_OBJECT
public:
    ColourButton(ColourOption option, QWidget* parent);

    const ColourOption& option() const { return m_option; }

private:
    void choose();
    void showColour();

    ColourOption m_option;
};
