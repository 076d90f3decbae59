#pragma once
// An input mask: which character each position of a field's text accepts, how a value typed through
// the mask is stored, and how a stored value is shown again. The property text is the mask, ";", "0"
// when the value is stored without the mask's literal characters (empty when with them), ";" and the
// placeholder shown in unfilled positions: "##-##-######;0;_".
#include <QChar>
#include <QList>
#include <QString>

class InputMask {
public:
    InputMask() = default;
    explicit InputMask(const QString& mask, bool storeLiterals = false, QChar placeholder = u'_');
    static InputMask fromProperty(const QString& property);
    QString toProperty() const;

    bool isEmpty() const { return m_mask.isEmpty(); }
    const QString& mask() const { return m_mask; }
    bool storesLiterals() const { return m_storeLiterals; }
    QChar placeholder() const { return m_placeholder; }
    qsizetype length() const { return m_mask.size(); }

    // A position the mask fills itself.
    bool isLiteral(qsizetype position) const;
    // The character stored for `typed` at `position` (its case set by the case mode there), or a null
    // QChar when the position refuses it.
    QChar accept(qsizetype position, QChar typed) const;
    // What a filled position shows: "*" at a "*" position, else the character.
    QChar shown(qsizetype position, QChar filled) const;

    // The filled positions (a null QChar where nothing was typed) of a stored value.
    QList<QChar> positionsOf(const QString& stored) const;
    // The text shown for filled positions: literals in place, placeholders where nothing was typed;
    // `revealed` shows what was typed at a "*" position instead of the star.
    QString display(const QList<QChar>& positions, bool revealed = false) const;
    QString display(const QString& stored) const { return display(positionsOf(stored)); }
    // The value the record receives; empty when nothing was typed.
    QString stored(const QList<QChar>& positions) const;
    // A masked Integer or Double as its plain number: the digits, a leading "-" and a decimal point.
    static QString plainNumber(const QString& maskedText);

    // What a datasheet cell shows for a stored value: nothing for no value; an Integer or Double (a
    // `numeric` field, stored as a plain number) by its digits.
    QString cellText(const QString& stored, bool numeric) const;
    // What a cell's text stores: a text shaped by the mask (shown, or revealed by the masked edit) is
    // read through it; any other text is taken as already stored. A numeric field gets its plain number.
    QString storedOfCell(const QString& cell, bool numeric) const;

private:
    QString m_mask;
    bool m_storeLiterals = false;
    QChar m_placeholder = u'_';
};

// Typing into a masked field: a caret that moves over literals, keystrokes that a position refuses
// leave everything as it was.
class MaskedText {
public:
    explicit MaskedText(InputMask mask, const QString& stored = QString());

    const InputMask& mask() const { return m_mask; }
    QString display() const { return m_mask.display(m_positions); }
    QString revealed() const { return m_mask.display(m_positions, true); }
    QString stored() const { return m_mask.stored(m_positions); }
    qsizetype caret() const { return m_caret; }
    void setCaret(qsizetype position);

    // Fills the next open position at or after the caret; false when the character is refused.
    bool type(QChar typed);
    // Empties the position before the caret (Backspace) or at it (Delete).
    void erasePrevious();
    void eraseNext();
    // Empties the positions from `from` up to, not including, `to`.
    void erase(qsizetype from, qsizetype to);

private:
    qsizetype nextOpen(qsizetype position) const;

    InputMask m_mask;
    QList<QChar> m_positions;
    qsizetype m_caret = 0;
};
