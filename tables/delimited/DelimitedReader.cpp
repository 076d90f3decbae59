#include "tables/delimited/DelimitedReader.h"

Delimiter Delimiter::fromListEntry(const QString& entry)
{
    if (entry == QStringLiteral("[Space]"))
        return {QStringLiteral(" \t"), true};
    if (entry == QStringLiteral("[NewLine]"))
        return {};
    return {entry, false};
}

DelimitedReader::DelimitedReader(TextSource& source, Delimiter delimiter)
    : m_source(source), m_delimiter(std::move(delimiter))
{
}

bool DelimitedReader::get(QChar& c)
{
    if (m_pushedBack) {
        c = *m_pushedBack;
        m_pushedBack.reset();
        return true;
    }
    for (;;) {
        if (m_position == m_buffer.size()) {
            m_buffer = m_source.read();
            m_position = 0;
            if (m_buffer.isEmpty())
                return false;
        }
        c = m_buffer.at(m_position++);
        const bool afterReturn = m_afterReturn;
        m_afterReturn = c == u'\r';
        if (c == u'\n' && afterReturn)
            continue;
        if (m_afterReturn)
            c = u'\n';
        return true;
    }
}

// After the opening quote: up to the closing one; what follows it before the next delimiter joins the value.
void DelimitedReader::readQuoted(QString& value, DelimitedRecord& record)
{
    QChar c;
    while (get(c)) {
        if (c == u'"') {
            QChar following;
            if (!get(following))
                return;
            if (following == u'"') {
                value += u'"';
                continue;
            }
            m_pushedBack = following;
            return;
        }
        if (c == u'\n')
            ++m_line;
        value += c;
    }
    record.openQuote = true;
}

void DelimitedReader::appendPlainRun(QString& value)
{
    // The character just read is still in the buffer, before m_position (a pushed back one too: it was
    // read from there last); moving the whole run at once costs one allocation per value.
    const qsizetype start = m_position - 1;
    const auto* text = reinterpret_cast<const char16_t*>(m_buffer.utf16());
    const qsizetype size = m_buffer.size();
    const bool oneCharacter = m_delimiter.characters.size() == 1;
    const char16_t only = oneCharacter ? m_delimiter.characters.front().unicode() : u'\n';
    qsizetype end = m_position;
    for (; end < size; ++end) {
        const char16_t c = text[end];
        if (c == u'\n' || c == u'\r' || c == u'"' || c == only || (!oneCharacter && m_delimiter.separates(c)))
            break;
    }
    const QStringView run(text + start, end - start);
    if (value.isEmpty())
        value = run.toString();
    else
        value.append(run);
    m_position = end;
}

bool DelimitedReader::next(DelimitedRecord& record)
{
    record.values.clear();
    record.quoted.clear();
    record.openQuote = false;
    QChar c;
    bool more = true;
    while (more) {
        record.line = m_line;
        QString value;
        bool quoted = false;
        bool valueStarted = false;
        auto endValue = [&] {
            if (valueStarted || !m_delimiter.runsAsOne) {
                record.values << value;
                record.quoted << quoted;
            }
            value.clear();
            quoted = false;
            valueStarted = false;
        };
        bool lineHasText = false;
        for (;;) {
            if (!get(c)) {
                more = false;
                break;
            }
            if (c == u'\n') {
                ++m_line;
                break;
            }
            lineHasText = true;
            if (m_delimiter.separates(c)) {
                endValue();
            } else if (c == u'"' && !valueStarted) {
                quoted = valueStarted = true;
                readQuoted(value, record);
            } else {
                valueStarted = true;
                appendPlainRun(value);
            }
        }
        if (lineHasText)
            endValue();
        if (!record.values.isEmpty())
            return true;
        record.values.clear();
        record.quoted.clear();
    }
    return false;
}
