#include "tables/masks/InputMask.h"

namespace {

const QString kMaskCharacters = QStringLiteral("#09?LAa&<>*");

enum class CaseMode { AsTyped, Upper, Lower };

} // namespace

InputMask::InputMask(const QString& mask, bool storeLiterals, QChar placeholder)
    : m_mask(mask), m_storeLiterals(storeLiterals), m_placeholder(placeholder.isNull() ? QChar(u'_') : placeholder)
{
}

InputMask InputMask::fromProperty(const QString& property)
{
    const QStringList parts = property.split(QLatin1Char(';'));
    const QString placeholder = parts.value(2);
    return InputMask(parts.value(0), parts.value(1) != QStringLiteral("0"),
                     placeholder.isEmpty() ? QChar(u'_') : placeholder.at(0));
}

QString InputMask::toProperty() const
{
    if (m_mask.isEmpty())
        return {};
    return m_mask + QLatin1Char(';') + (m_storeLiterals ? QString() : QStringLiteral("0")) + QLatin1Char(';') +
           m_placeholder;
}

bool InputMask::isLiteral(qsizetype position) const
{
    return position >= 0 && position < m_mask.size() && !kMaskCharacters.contains(m_mask.at(position));
}

QChar InputMask::accept(qsizetype position, QChar typed) const
{
    if (position < 0 || position >= m_mask.size() || isLiteral(position))
        return {};
    CaseMode mode = CaseMode::AsTyped;
    for (qsizetype i = 0; i < position; ++i)
        if (m_mask.at(i) == u'>')
            mode = CaseMode::Upper;
        else if (m_mask.at(i) == u'<')
            mode = CaseMode::Lower;
    const QChar kind = m_mask.at(position);
    const bool letter = typed.isLetter();
    const bool digit = typed.isDigit();
    const bool blank = typed == u' ';
    bool accepted = false;
    switch (kind.unicode()) {
    case u'#': case u'0': accepted = digit; break;
    case u'9': accepted = digit || blank; break;
    case u'?': case u'L': accepted = letter; break;
    case u'A': case u'a': accepted = letter || digit; break;
    case u'&': accepted = letter || blank; break;
    case u'>': mode = CaseMode::Upper; accepted = letter; break;
    case u'<': mode = CaseMode::Lower; accepted = letter; break;
    case u'*': accepted = !typed.isNull() && typed.isPrint(); break;
    }
    if (!accepted)
        return {};
    const bool cased = kind == u'?' || kind == u'L' || kind == u'>' || kind == u'<';
    if (cased && mode == CaseMode::Upper)
        return typed.toUpper();
    if (cased && mode == CaseMode::Lower)
        return typed.toLower();
    return typed;
}

QChar InputMask::shown(qsizetype position, QChar filled) const
{
    return position >= 0 && position < m_mask.size() && m_mask.at(position) == u'*' ? QChar(u'*') : filled;
}

QList<QChar> InputMask::positionsOf(const QString& stored) const
{
    QList<QChar> positions(m_mask.size());
    if (m_storeLiterals) {
        for (qsizetype i = 0; i < m_mask.size() && i < stored.size(); ++i)
            if (!isLiteral(i) && stored.at(i) != u' ')
                positions[i] = stored.at(i);
        return positions;
    }
    qsizetype next = 0;
    for (qsizetype i = 0; i < m_mask.size() && next < stored.size(); ++i)
        if (!isLiteral(i))
            positions[i] = stored.at(next++);
    return positions;
}

QString InputMask::display(const QList<QChar>& positions, bool revealed) const
{
    QString text;
    for (qsizetype i = 0; i < m_mask.size(); ++i) {
        const QChar filled = positions.value(i);
        text += isLiteral(i) ? m_mask.at(i) : filled.isNull() ? m_placeholder : revealed ? filled : shown(i, filled);
    }
    return text;
}

QString InputMask::cellText(const QString& stored, bool numeric) const
{
    if (stored.isEmpty())
        return {};
    if (!numeric)
        return display(stored);
    // The digits before a decimal point of the mask end at it, the ones after start there; a number the
    // mask has no room for, or a negative one, is shown as it is rather than cut.
    qsizetype point = -1;
    for (qsizetype i = 0; i < m_mask.size() && point < 0; ++i)
        if (isLiteral(i) && m_mask.at(i) == u'.')
            point = i;
    const qsizetype separator = stored.indexOf(u'.');
    const QString whole = separator < 0 ? stored : stored.left(separator);
    const QString fraction = separator < 0 ? QString() : stored.mid(separator + 1);
    QList<qsizetype> before, after;
    for (qsizetype i = 0; i < m_mask.size(); ++i)
        if (!isLiteral(i))
            (point < 0 || i < point ? before : after) << i;
    const auto digitsOnly = [](const QString& text) {
        return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
    };
    if (!digitsOnly(whole) || !digitsOnly(fraction) || whole.size() > before.size() ||
        fraction.size() > (point < 0 ? 0 : after.size()))
        return stored;
    QList<QChar> positions(m_mask.size());
    const qsizetype start = point < 0 ? 0 : before.size() - whole.size();
    for (qsizetype i = 0; i < whole.size(); ++i)
        positions[before[start + i]] = whole.at(i);
    for (qsizetype i = 0; i < fraction.size(); ++i)
        positions[after[i]] = fraction.at(i);
    return display(positions);
}

QString InputMask::storedOfCell(const QString& cell, bool numeric) const
{
    bool shaped = cell.size() == m_mask.size();
    for (qsizetype i = 0; shaped && i < m_mask.size(); ++i)
        shaped = !isLiteral(i) || cell.at(i) == m_mask.at(i);
    if (!shaped)
        return numeric ? plainNumber(cell) : cell;
    QList<QChar> positions(m_mask.size());
    for (qsizetype i = 0; i < m_mask.size(); ++i)
        if (!isLiteral(i) && cell.at(i) != m_placeholder)
            positions[i] = cell.at(i);
    return numeric ? plainNumber(display(positions, true)) : stored(positions);
}

QString InputMask::stored(const QList<QChar>& positions) const
{
    if (std::all_of(positions.begin(), positions.end(), [](QChar c) { return c.isNull(); }))
        return {};
    QString text;
    for (qsizetype i = 0; i < m_mask.size(); ++i) {
        const QChar filled = positions.value(i);
        if (isLiteral(i)) {
            if (m_storeLiterals)
                text += m_mask.at(i);
        } else if (!filled.isNull()) {
            text += filled;
        } else if (m_storeLiterals) {
            text += u' ';
        }
    }
    while (m_storeLiterals && text.endsWith(u' '))
        text.chop(1);
    return text;
}

QString InputMask::plainNumber(const QString& maskedText)
{
    QString number;
    for (const QChar c : maskedText)
        if (c.isDigit() || (c == u'.' && !number.contains(u'.')) || (c == u'-' && number.isEmpty()))
            number += c;
    return number;
}

MaskedText::MaskedText(InputMask mask, const QString& stored)
    : m_mask(std::move(mask)), m_positions(m_mask.positionsOf(stored))
{
    m_caret = nextOpen(0);
}

qsizetype MaskedText::nextOpen(qsizetype position) const
{
    while (position < m_mask.length() && m_mask.isLiteral(position))
        ++position;
    return position;
}

void MaskedText::setCaret(qsizetype position) { m_caret = std::clamp<qsizetype>(position, 0, m_mask.length()); }

bool MaskedText::type(QChar typed)
{
    const qsizetype position = nextOpen(m_caret);
    const QChar accepted = m_mask.accept(position, typed);
    if (accepted.isNull())
        return false;
    m_positions[position] = accepted;
    m_caret = nextOpen(position + 1);
    return true;
}

void MaskedText::erasePrevious()
{
    qsizetype position = m_caret - 1;
    while (position >= 0 && m_mask.isLiteral(position))
        --position;
    if (position < 0)
        return;
    m_positions[position] = QChar();
    m_caret = position;
}

void MaskedText::eraseNext()
{
    const qsizetype position = nextOpen(m_caret);
    if (position < m_mask.length())
        m_positions[position] = QChar();
}

void MaskedText::erase(qsizetype from, qsizetype to)
{
    for (qsizetype i = std::max<qsizetype>(0, from); i < to && i < m_mask.length(); ++i)
        m_positions[i] = QChar();
    m_caret = std::clamp<qsizetype>(from, 0, m_mask.length());
}
