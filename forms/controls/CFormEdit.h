#pragma once
// A text box: one line, or several when MultiLine is "Yes"; border, scroll bar, alignment and
// Max Length from its properties, and the character filter of the field it is bound to.
#include "forms/controls/CFormControl.h"
#include "tables/masks/CMaskedEdit.h"

class QPlainTextEdit;

class CFormEdit : public CFormControl {
    Q_OBJECT
public:
    CFormEdit(PropertySet properties, int index, QWidget* parent);

    QString text() const override;
    void setText(const QString& text) override;
    QWidget* focusTarget() const override;

    // The class of the bound field's type; unbound text boxes take every printable character.
    void setCharacterClass(int characterClass) { m_characterClass = characterClass; }
    // The bound field's Input Mask property text: a one-line box then types through the mask, which
    // takes the place of the character filter; its text keeps what was typed at "*" positions.
    void setInputMask(const QString& property);
    int characterClass() const { return m_characterClass; }
    // 0 when the text is not limited.
    int maxLength() const;
    bool isMultiLine() const { return m_lines != nullptr; }
    QLineEdit* lineEdit() const { return m_line; }
    QPlainTextEdit* linesEdit() const { return m_lines; }

protected:
    void applyKindProperties() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether a key press may reach the editor, by the character filter and the length limit.
    bool acceptsKey(const QString& typed) const;

    CMaskedEdit* m_line = nullptr;
    QPlainTextEdit* m_lines = nullptr;
    int m_characterClass = 0;
    bool m_settingText = false;
};
