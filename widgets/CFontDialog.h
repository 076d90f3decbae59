#pragma once
// The font dialog of the options pages and the form designer: a face from the device's font families,
// a size, Bold, Italic, Underline, Strikethrough and Highlight, and a sample line drawn as chosen.
#include "platform/framework/FontChoice.h"

#include <QDialog>
#include <QFont>

#include <optional>

class QCheckBox;
class QLabel;
class QListWidget;

// The font a choice describes: the size as a pixel height (a size that is not a number leaves the
// toolkit's), weight 700 when bold and 400 otherwise.
QFont fontFromChoice(const FontChoice& choice);

class CFontDialog : public QDialog {
    Q_OBJECT
public:
    explicit CFontDialog(const FontChoice& start, QWidget* parent = nullptr);

    FontChoice choice() const;
    QLabel* sample() const { return m_sample; }

    // Opens on `start`; the font chosen, nullopt when cancelled.
    static std::optional<FontChoice> ask(const FontChoice& start, QWidget* parent);

private:
    void showSample();

    QListWidget* m_faces;
    QListWidget* m_sizes;
    QCheckBox* m_bold;
    QCheckBox* m_italic;
    QCheckBox* m_underline;
    QCheckBox* m_strikethrough;
    QCheckBox* m_highlight;
    QLabel* m_sample;
};
