#include "tables/delimited/DelimitedReader.h"

#include <algorithm>

Delimiter Delimiter::fromListEntry(const QString& entry)
{
    if (entry == QStringLiteral("[Space]"))
        return {QStringLiteral(" "), true};
    if (entry == QStringLiteral("[NewLine]"))
        return {};
    if (entry == QStringLiteral("[Tab]") || entry == QStringLiteral("\\t"))
        return {QStringLiteral("\t")};
    return {entry};
}

bool Delimiter::isBrokenBy(const QString& value) const
{
    if (blanks)
        return value.contains(u' ') || value.contains(u'\t');
    return std::any_of(text.begin(), text.end(), [&](QChar c) { return value.contains(c); });
}

DelimitedReader::DelimitedReader(TextSource& source, Delimiter delimiter, bool skipComments)
    : m_source(source), m_delimiter(std::move(delimiter)), m_skipComments(skipComments),
      m_firstOfDelimiter(m_delimiter.text.isEmpty() ? u'\n' : m_delimiter.text.front().unicode())
{
    for (const char16_t c : {u'\n', u'\r', u'"'})
        m_endsRun[c] = true;
    if (m_firstOfDelimiter < m_endsRun.size())
        m_endsRun[m_firstOfDelimiter] = true;
    if (m_delimiter.blanks)
        m_endsRun[u'\t'] = true;
}

bool DelimitedReader::fill()
{
    if (m_position < m_buffer.size())
        return true;
    m_buffer = m_source.read();
    m_position = 0;
    return !m_buffer.isEmpty();
}

bool DelimitedReader::getSlowly(QChar& c)
{
    if (m_pushedBack) {
        c = *m_pushedBack;
        m_pushedBack.reset();
        return true;
    }
    for (;;) {
        if (!fill())
            return false;
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

bool DelimitedReader::restOfDelimiterFollows()
{
    const QStringView rest = QStringView(m_delimiter.text).mid(1);
    // The rest may lie in the next piece of the file; the character just read stays in the buffer.
    while (m_buffer.size() - m_position < rest.size()) {
        const QString more = m_source.read();
        if (more.isEmpty())
            return false;
        const qsizetype kept = std::max<qsizetype>(0, m_position - 1);
        m_buffer = m_buffer.mid(kept) + more;
        m_position -= kept;
    }
    if (QStringView(m_buffer).mid(m_position, rest.size()) != rest)
        return false;
    m_position += rest.size();
    return true;
}

void DelimitedReader::readQuoted(DelimitedRecord& record)
{
    for (;;) {
        if (!fill()) {
            record.openQuote = true;
            return;
        }
        const qsizetype quote = m_buffer.indexOf(u'"', m_position);
        const qsizetype end = quote < 0 ? m_buffer.size() : quote;
        const QStringView run = QStringView(m_buffer).mid(m_position, end - m_position);
        // "\r\n" is one line, as is a lone "\r" or "\n"; the pair may be split between two pieces.
        for (const QChar c : run) {
            if (c == u'\r' || (c == u'\n' && !m_afterReturn))
                ++m_line;
            m_afterReturn = c == u'\r';
        }
        append(run);
        m_position = end;
        if (quote < 0)
            continue;
        ++m_position;
        m_afterReturn = false;
        QChar following;
        if (!get(following))
            return;
        if (following == u'"') {
            append(u"\"");
            continue;
        }
        // What follows the closing quote before the next delimiter joins the value.
        m_pushedBack = following;
        return;
    }
}

void DelimitedReader::appendPlainRun()
{
    // The character just read is still in the buffer, before m_position (a pushed back one too: it was
    // read from there last); the whole run is copied at once into the room the value already has.
    const qsizetype start = m_position - 1;
    const auto* text = reinterpret_cast<const char16_t*>(m_buffer.constData());
    const qsizetype size = m_buffer.size();
    qsizetype end = m_position;
    while (end < size && !endsPlainRun(text[end]))
        ++end;
    append(QStringView(text + start, end - start));
    m_position = end;
}

bool DelimitedReader::skipLine()
{
    QChar c;
    while (get(c))
        if (c == u'\n') {
            ++m_line;
            return true;
        }
    return false;
}

// The strings of the record before are written over, so a file's values cost no allocation each once
// the first record has made room for them.
void DelimitedReader::startValue(DelimitedRecord& record, qsizetype index)
{
    m_valueSize = 0;
    if (index == record.quoted.size())
        record.quoted.push_back(false);
    if (m_measuring) {
        if (index == record.lengths.size())
            record.lengths.push_back(0);
        return;
    }
    if (index == record.values.size())
        record.values.emplace_back();
    m_value = &record.values[index];
}

void DelimitedReader::append(QStringView run)
{
    if (!m_measuring) {
        m_value->resize(m_valueSize + run.size());
        std::copy(run.begin(), run.end(), m_value->data() + m_valueSize);
    }
    m_valueSize += run.size();
}

// What is left of the record before past this value's characters goes.
void DelimitedReader::endValue(DelimitedRecord& record, qsizetype index)
{
    if (m_measuring)
        record.lengths[index] = m_valueSize;
    else if (m_value->size() != m_valueSize)
        m_value->resize(m_valueSize);
}

bool DelimitedReader::read(DelimitedRecord& record, bool measuring)
{
    m_measuring = measuring;
    record.openQuote = false;
    QChar c;
    bool more = true;
    while (more) {
        record.line = m_line;
        qsizetype count = 0;
        startValue(record, count);
        bool quoted = false;
        bool valueStarted = false;
        auto valueEnds = [&] {
            if (valueStarted || !m_delimiter.blanks) {
                endValue(record, count);
                record.quoted[count] = quoted;
                startValue(record, ++count);
            }
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
            if (!lineHasText && m_skipComments && c == u'#') {
                more = skipLine();
                break;
            }
            lineHasText = true;
            if (atDelimiter(c)) {
                valueEnds();
            } else if (c == u'"' && !valueStarted) {
                quoted = valueStarted = true;
                readQuoted(record);
            } else {
                valueStarted = true;
                appendPlainRun();
            }
        }
        if (lineHasText)
            valueEnds();
        record.quoted.resize(count);
        if (measuring) {
            record.values.clear();
            record.lengths.resize(count);
        } else {
            record.values.resize(count);
            record.lengths.clear();
        }
        if (count > 0)
            return true;
    }
    return false;
}
