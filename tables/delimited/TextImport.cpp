#include "tables/delimited/TextImport.h"

#include "data/CDbRecordset.h"
#include "data/CDbCommand.h"
#include "data/CDbTransaction.h"
#include "data/EngineError.h"
#include "data/SqlText.h"
#include "platform/device/DevicePath.h"
#include "platform/framework/MessageBox.h"
#include "tables/DatasheetFields.h"
#include "tables/FieldCatalogue.h"
#include "tables/ValueCarry.h"
#include "tables/delimited/ColumnGuess.h"
#include "tables/delimited/RecordWriter.h"

#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <cmath>

using namespace fieldtypes;

namespace {

constexpr int kPreviewLines = 200;
constexpr int kProgressEvery = 512;

void tell(const QString& text) { framework::showMessage(text); }

QString hostPathOf(const QString& path) { return device::toHostPath(path).value_or(QString()); }

QString fieldSizeOf(const FieldDefinition& field)
{
    for (const PropertyRow& row : field.properties)
        if (row.name == QStringLiteral("Field Size"))
            return row.value;
    return {};
}

QString shown(const QString& value)
{
    constexpr qsizetype kLongest = 40;
    return QLatin1Char('"') + (value.size() > kLongest ? value.left(kLongest) + QStringLiteral("...") : value) +
           QLatin1Char('"');
}

// The common forms of numbers, read without the general conversion, which costs most of an import's
// time; anything else takes the general way.
std::optional<Variant> plainNumber(bool integer, const QString& text)
{
    if (text.size() > 24)
        return std::nullopt;
    char digits[25];
    qsizetype length = 0;
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        const bool allowed = (unit >= u'0' && unit <= u'9') || unit == u'-' ||
                             (!integer && (unit == u'.' || unit == u'e' || unit == u'E' || unit == u'+'));
        if (!allowed)
            return std::nullopt;
        digits[length++] = char(unit);
    }
    if (integer) {
        std::int32_t value = 0;
        const auto [end, error] = std::from_chars(digits, digits + length, value);
        return error == std::errc() && end == digits + length ? std::optional<Variant>(Variant(value)) : std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(digits, digits + length, value);
    return error == std::errc() && end == digits + length && std::isfinite(value)
               ? std::optional<Variant>(Variant(value))
               : std::nullopt;
}

// Dates written M/D/YYYY or YYYY-M-D, read by the rules of the general conversion (a month past 12 in
// M/D/YYYY trades places with the day) without its cost.
std::optional<Variant> plainDate(const QString& text)
{
    int parts[3] = {0, 0, 0};
    int widths[3] = {0, 0, 0};
    int part = 0;
    QChar separator;
    for (const QChar c : text) {
        if (c.unicode() >= u'0' && c.unicode() <= u'9') {
            if (++widths[part] > 4)
                return std::nullopt;
            parts[part] = parts[part] * 10 + (c.unicode() - u'0');
        } else if ((c == u'/' || c == u'-') && part < 2 && widths[part] && (separator.isNull() || c == separator)) {
            separator = c;
            ++part;
        } else {
            return std::nullopt;
        }
    }
    if (part != 2 || !widths[2])
        return std::nullopt;
    int year = 0, month = 0, day = 0;
    if (separator == u'-' && widths[0] == 4 && widths[1] <= 2 && widths[2] <= 2) {
        year = parts[0], month = parts[1], day = parts[2];
    } else if (separator == u'/' && widths[0] <= 2 && widths[1] <= 2 && widths[2] == 4) {
        year = parts[2], month = parts[0], day = parts[1];
        if (month > 12 && day <= 12)
            std::swap(month, day);
    } else {
        return std::nullopt;
    }
    double serial = 0;
    if (!automation::fromDateParts(year, month, day, 0, 0, 0, serial))
        return std::nullopt;
    return Variant::fromDate(serial);
}

QString engineRefusal(const QString& why) { return QStringLiteral("the engine refused the record: ") + why; }

// The values of a record up to its last one that is not empty, by their lengths.
qsizetype valuesUpToLast(const QList<qsizetype>& lengths, const QList<bool>& quoted)
{
    qsizetype count = lengths.size();
    while (count > 0 && lengths[count - 1] == 0 && !quoted[count - 1])
        --count;
    return count;
}

QList<qsizetype> lengthsOf(const DelimitedRecord& record)
{
    QList<qsizetype> lengths;
    for (const QString& value : record.values)
        lengths << value.size();
    return lengths;
}

} // namespace

QString importTableName(const QString& path)
{
    const QString name = path.section(QLatin1Char('\\'), -1).section(QLatin1Char('/'), -1);
    return name.section(QLatin1Char('.'), 0, 0);
}

QString unusedImportTableName(CAppContext& context, const QString& path)
{
    const QString base = importTableName(path);
    QString name = base;
    for (int n = 2; !base.isEmpty() && !tableIdOf(context, name).isEmpty(); ++n)
        name = base + QString::number(n);
    return name;
}

std::optional<ImportPreview> readImportPreview(const ImportSettings& settings, PreviewFailure* failure)
{
    const auto refuse = [failure](const QString& message, PreviewFailure kind) {
        tell(message);
        if (failure)
            *failure = kind;
        return std::nullopt;
    };
    if (failure)
        *failure = PreviewFailure::None;
    TextSource source;
    if (!source.open(hostPathOf(settings.path)))
        return refuse(QStringLiteral(" The File Can't be opened"), PreviewFailure::File);
    const Delimiter delimiter = Delimiter::fromListEntry(settings.delimiter);
    DelimitedReader reader(source, delimiter, settings.skipComments);
    DelimitedRecord record;
    if (!reader.next(record))
        return refuse(QStringLiteral("File is Empty"), PreviewFailure::File);
    if (delimiter.splitsLines() && record.values.size() < 2)
        return refuse(QStringLiteral("Selected Delimiter is not present in the First Line"), PreviewFailure::Delimiter);
    ImportPreview preview;
    preview.encoding = source.encoding();
    QList<DelimitedRecord> records;
    if (settings.firstRowNames) {
        for (const QString& header : record.values)
            preview.headers << header.trimmed();
    } else {
        records << record;
    }
    bool more = reader.next(record);
    for (; more && records.size() < kPreviewLines; more = reader.next(record))
        records << record;
    // The lines past the preview count only for their widths: a longer value further down must find its
    // field long enough, and without names, a line with more values fields for its last ones.
    // Their text is not needed: they are only measured, which costs a fraction of reading them.
    QList<qsizetype> longest;
    qsizetype mostValues = settings.firstRowNames ? preview.headers.size() : records.first().values.size();
    const auto measure = [&](const QList<qsizetype>& lengths, const QList<bool>& quoted) {
        if (!settings.firstRowNames)
            mostValues = std::max(mostValues, valuesUpToLast(lengths, quoted));
        if (longest.size() < lengths.size())
            longest.resize(lengths.size());
        for (qsizetype i = 0; i < lengths.size(); ++i)
            longest[i] = std::max(longest[i], lengths[i]);
    };
    for (const DelimitedRecord& line : records)
        measure(lengthsOf(line), line.quoted);
    if (more) {
        measure(lengthsOf(record), record.quoted);
        while (reader.measure(record))
            measure(record.lengths, record.quoted);
    }
    const qsizetype fieldCount = mostValues;
    QList<ColumnGuess> guesses(fieldCount);
    for (qsizetype i = 0; i < fieldCount; ++i)
        guesses[i].widen(longest.value(i));
    for (const DelimitedRecord& line : records) {
        QStringList values = line.values.mid(0, fieldCount);
        while (values.size() < fieldCount)
            values << QString();
        for (qsizetype i = 0; i < fieldCount; ++i)
            guesses[i].see(values[i], line.quoted.value(i));
        preview.lines << values;
    }
    QStringList headers = preview.headers;
    while (headers.size() < fieldCount)
        headers << QString();
    const QStringList names = proposedFieldNames(headers);
    for (qsizetype i = 0; i < fieldCount; ++i)
        preview.fields << guesses[i].field(names[i], settings.typed);
    return preview;
}

QString ImportOutcome::summary(const QString& table, int listed) const
{
    QStringList lines{QStringLiteral("Imported %1 records into %2").arg(imported).arg(table)};
    QStringList names;
    for (const auto& [header, field] : renamed)
        names << QStringLiteral("\"%1\" as %2").arg(header, field);
    if (!names.isEmpty())
        lines << QStringLiteral("Fields renamed: ") + names.join(QStringLiteral(", "));
    const qsizetype before = lines.size();
    for (const RefusedLine& line : refused) {
        if (listed >= 0 && lines.size() - before >= listed) {
            lines << QStringLiteral("%1 more lines refused").arg(refused.size() - listed);
            break;
        }
        lines << QStringLiteral("line %1: %2").arg(line.line).arg(line.reason);
    }
    return lines.join(QLatin1Char('\n'));
}

TextImport::Target::Target(const FieldDefinition& definition) : field(definition), size(fieldSizeOf(definition).toInt())
{
    const QString& type = field.type;
    kind = type == kText       ? Kind::Text
           : type == kMemo     ? Kind::Memo
           : type == kInteger  ? Kind::Integer
           : type == kDouble   ? Kind::Double
           : type == kDateTime ? Kind::Date
                               : Kind::Other;
}

// A value as the field stores it: no value for an empty text outside quotes (or a blank one where the
// field is not a text); nullopt when the field's type cannot hold it.
std::optional<Variant> TextImport::storedValue(const Target& target, const QString& text, bool quoted)
{
    using Kind = Target::Kind;
    const bool textual = target.kind == Kind::Text || target.kind == Kind::Memo;
    const auto blank = [&text] { return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); }); };
    if ((text.isEmpty() && !quoted) || (!textual && blank()))
        return Variant::null();
    if (textual)
        return target.kind == Kind::Text && target.size > 0 && text.size() > target.size
                   ? std::nullopt
                   : std::optional<Variant>(Variant(text));
    if (target.kind == Kind::Integer || target.kind == Kind::Double)
        if (const std::optional<Variant> number = plainNumber(target.kind == Kind::Integer, text))
            return number;
    if (target.kind == Kind::Date)
        if (const std::optional<Variant> date = plainDate(text))
            return date;
    const Variant value = carriedValue(Variant(text), target.field.type, target.size);
    return value.isEmpty() ? std::nullopt : std::optional<Variant>(value);
}

TextImport::TextImport(CAppContext& context, ImportSettings settings)
    : m_context(context), m_settings(std::move(settings))
{
}

bool TextImport::createTable(const QString& table, const QList<FieldDefinition>& fields, QString& tableId)
{
    FieldCatalogue catalogue(m_context, table);
    if (!catalogue.CreateTable(fields)) {
        tell(QStringLiteral("Table creation failed"));
        return false;
    }
    tableId = catalogue.tableId();
    QStringList names;
    for (const FieldDefinition& field : fields)
        names << field.name;
    if (!storeColumnWidths(m_context, table, names, QList<int>(fields.size(), 0))) {
        tell(QStringLiteral("Error while storing the column widths of ") + table);
        return false;
    }
    return true;
}

bool TextImport::appendTarget(const QString& table, const QList<FieldDefinition>& fields,
                              QList<FieldDefinition>& targets)
{
    QList<FieldDefinition> existing;
    for (const LoadedField& loaded : FieldCatalogue(m_context, table).LoadFields())
        existing << loaded.definition;
    if (!m_settings.firstRowNames && fields.size() > existing.size()) {
        tell(QStringLiteral("The file has %1 fields, the table %2 has %3")
                 .arg(fields.size())
                 .arg(table)
                 .arg(existing.size()));
        return false;
    }
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const auto match = std::find_if(existing.begin(), existing.end(), [&](const FieldDefinition& field) {
            return field.name.compare(fields[i].name, Qt::CaseInsensitive) == 0;
        });
        if (m_settings.firstRowNames && match == existing.end()) {
            tell(QStringLiteral("The table %1 has no field %2").arg(table, fields[i].name));
            return false;
        }
        targets << (m_settings.firstRowNames ? *match : existing[i]);
    }
    return true;
}

bool TextImport::values(const DelimitedRecord& record, const QList<Target>& targets, std::vector<Variant>& values,
                        QString& refusal) const
{
    if (record.openQuote) {
        refusal = QStringLiteral("the quoted value is not closed before the end of the file");
        return false;
    }
    for (qsizetype i = targets.size(); i < record.values.size(); ++i)
        if (!record.values[i].isEmpty()) {
            refusal = QStringLiteral("%1 values for %2 fields").arg(record.values.size()).arg(targets.size());
            return false;
        }
    static const QString none;
    values.resize(size_t(targets.size()));
    for (qsizetype i = 0; i < targets.size(); ++i) {
        const FieldDefinition& field = targets[i].field;
        const QString& text = i < record.values.size() ? record.values[i] : none;
        if (std::optional<Variant> value = storedValue(targets[i], text, record.quoted.value(i))) {
            values[size_t(i)] = std::move(*value);
            continue;
        }
        if (targets[i].kind == Target::Kind::Text)
            refusal = QStringLiteral("%1 is longer than the %2 characters of the field %3")
                          .arg(shown(text), QString::number(targets[i].size), field.name);
        else
            refusal = QStringLiteral("%1 is not a value of the %2 field %3").arg(shown(text), field.type, field.name);
        return false;
    }
    return true;
}

ImportOutcome TextImport::run(const QString& table, const QList<FieldDefinition>& fields, Mode mode,
                              const Progress& progress)
{
    ImportOutcome outcome;
    const bool exists = !tableIdOf(m_context, table).isEmpty();
    if (mode == Mode::Create) {
        if (const QString failure = importFieldNameFailure(fields); !failure.isEmpty()) {
            tell(failure);
            return outcome;
        }
        if (table.contains(u'~') || table.contains(u'|')) {
            tell(QStringLiteral("Table and field names cannot contain ~ or |"));
            return outcome;
        }
        if (exists) {
            tell(QStringLiteral("Table already exists in the database"));
            return outcome;
        }
    } else if (!exists) {
        tell(QStringLiteral("Error opening the table ") + table);
        return outcome;
    }
    QList<FieldDefinition> targets = fields;
    if (mode == Mode::Append) {
        targets.clear();
        if (!appendTarget(table, fields, targets))
            return outcome;
    }
    TextSource source;
    if (!source.open(hostPathOf(m_settings.path))) {
        tell(QStringLiteral(" The File Can't be Opened"));
        return outcome;
    }
    CDbCommand command(m_context, QStringLiteral("Import into %1").arg(table));
    CDbTransaction transaction(m_context);
    const QString notWritten = QStringLiteral("The records could not be written to ") + table +
                               QStringLiteral("; nothing was imported");
    if (!transaction.isOpen()) {
        const QString cause = fileFailureText(lastEngineError().code);
        tell(cause.isEmpty() ? notWritten : cause);
        return outcome;
    }
    if (mode == Mode::Create && !createTable(table, fields, outcome.tableId))
        return outcome;
    QStringList names;
    QList<Target> receivers;
    for (const FieldDefinition& field : targets) {
        names << field.name;
        receivers.append(Target(field));
    }
    RecordWriter writer(m_context, table, names);
    if (!writer.isOpen()) {
        tell(notWritten);
        return outcome;
    }
    DelimitedReader reader(source, Delimiter::fromListEntry(m_settings.delimiter), m_settings.skipComments);
    DelimitedRecord record;
    if (m_settings.firstRowNames && reader.next(record))
        for (qsizetype i = 0; i < std::min(record.values.size(), fields.size()); ++i)
            if (const QString header = record.values[i].trimmed(); !header.isEmpty() && header != fields[i].name)
                outcome.renamed.append({header, fields[i].name});
    QString refusal;
    std::vector<Variant> recordValues;
    for (int lines = 1; reader.next(record); ++lines) {
        if (progress && lines % kProgressEvery == 0 &&
            !progress(source.size() ? double(source.position()) / double(source.size()) : 1.0)) {
            outcome.state = ImportOutcome::State::Cancelled;
            return outcome;
        }
        const bool read = values(record, receivers, recordValues, refusal);
        const bool written = read && writer.write(recordValues, record.line);
        // The values share their text with the record, which the next line is read into without allocating
        // only while nothing else holds it.
        recordValues.clear();
        if (written)
            ++outcome.imported;
        else if (writer.failed())
            break;
        else
            outcome.refused << RefusedLine{record.line, read ? engineRefusal(lastEngineError().description) : refusal};
    }
    const std::vector<cedb::BulkAppend::Refusal> refusedLater = writer.finish();
    if (!refusedLater.empty()) {
        for (const cedb::BulkAppend::Refusal& line : refusedLater)
            outcome.refused << RefusedLine{int(line.tag), engineRefusal(line.reason)};
        outcome.imported -= int(refusedLater.size());
        std::stable_sort(outcome.refused.begin(), outcome.refused.end(),
                         [](const RefusedLine& a, const RefusedLine& b) { return a.line < b.line; });
    }
    if (writer.failed() || !transaction.commit()) {
        const QString cause = lastEngineError().description;
        tell(writer.failed() && !cause.isEmpty() ? notWritten + QStringLiteral(":\n") + cause : notWritten);
        outcome.state = ImportOutcome::State::Failed;
        outcome.imported = 0;
        return outcome;
    }
    outcome.state = ImportOutcome::State::Imported;
    // Records added to a table bring their own AutoNumbers: the next one handed out comes after them.
    if (mode == Mode::Append)
        advanceAutoNumbers(m_context, table);
    if (outcome.tableId.isEmpty())
        outcome.tableId = tableIdOf(m_context, table);
    CDbRecordset records(m_context.connection, m_context.databasePath());
    if (records.Open(QStringLiteral("SELECT * FROM ") + sqlQuoted(table), 0, 1))
        outcome.recordCount = records.GetRecordCount();
    else
        tell(QStringLiteral("Error opening the table ") + table);
    return outcome;
}
