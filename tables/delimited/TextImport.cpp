#include "tables/delimited/TextImport.h"

#include "data/CDbRecordset.h"
#include "data/CDbTransaction.h"
#include "data/SqlText.h"
#include "platform/cedb/Engine.h"
#include "platform/device/DevicePath.h"
#include "platform/framework/MessageBox.h"
#include "tables/DatasheetFields.h"
#include "tables/FieldCatalogue.h"
#include "tables/delimited/ColumnGuess.h"

#include <QFileInfo>

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

// A value as the insert statement carries it: an empty value outside quotes stores no value at all.
QString sqlValue(const QString& value, bool quoted)
{
    return value.isEmpty() && !quoted ? QStringLiteral("Null") : sqlQuoted(value);
}

} // namespace

QString importTableName(const QString& path)
{
    const QString name = path.section(QLatin1Char('\\'), -1).section(QLatin1Char('/'), -1);
    return name.section(QLatin1Char('.'), 0, 0);
}

QString importFieldNameFailure(const QList<FieldDefinition>& fields)
{
    static const QString special = QStringLiteral("/,;:`~!@#%^&*-_+|?.><");
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString& name = fields[i].name;
        bool number = false;
        name.toDouble(&number);
        if (number)
            return QStringLiteral("FieldName Can't be a Number");
        for (const QChar c : name)
            if (special.contains(c))
                return QStringLiteral("Special Characters are not allowed in Field Name");
        if (name.contains(u' '))
            return QStringLiteral("Spaces are not allowed in Field Name");
        // An empty name would drop the column and shift every later value into the wrong field.
        if (name.trimmed().isEmpty())
            return QStringLiteral("Field Name Can't be Empty");
        for (qsizetype j = 0; j < i; ++j)
            if (fields[j].name.compare(name, Qt::CaseInsensitive) == 0)
                return QStringLiteral("Field already exists");
    }
    return {};
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
    DelimitedReader reader(source, delimiter);
    DelimitedRecord record;
    if (!reader.next(record))
        return refuse(QStringLiteral("File is Empty"), PreviewFailure::File);
    if (!delimiter.characters.isEmpty() && record.values.size() < 2)
        return refuse(QStringLiteral("Selected Delimiter is not present in the First Line"), PreviewFailure::Delimiter);
    ImportPreview preview;
    preview.encoding = source.encoding();
    const qsizetype fieldCount = record.values.size();
    QStringList names;
    for (qsizetype i = 0; i < fieldCount; ++i) {
        const QString name = settings.firstRowNames ? record.values[i].trimmed() : QString();
        names << (name.isEmpty() ? QStringLiteral("Field") + QString::number(i) : name);
    }
    QList<ColumnGuess> guesses(fieldCount);
    bool more = true;
    if (settings.firstRowNames)
        more = reader.next(record);
    for (int lines = 0; more && lines < kPreviewLines; ++lines, more = reader.next(record)) {
        QStringList line = record.values.mid(0, fieldCount);
        while (line.size() < fieldCount)
            line << QString();
        for (qsizetype i = 0; i < fieldCount; ++i)
            guesses[i].see(line[i], record.quoted.value(i));
        preview.lines << line;
    }
    for (qsizetype i = 0; i < fieldCount; ++i)
        preview.fields << guesses[i].field(names[i], settings.typed);
    return preview;
}

QString ImportOutcome::summary(const QString& table, int listed) const
{
    QStringList lines{QStringLiteral("Imported %1 records into %2").arg(imported).arg(table)};
    for (const RefusedLine& line : refused) {
        if (listed >= 0 && lines.size() > listed) {
            lines << QStringLiteral("%1 more lines refused").arg(refused.size() - listed);
            break;
        }
        lines << QStringLiteral("line %1: %2").arg(line.line).arg(line.reason);
    }
    return lines.join(QLatin1Char('\n'));
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

std::optional<QString> TextImport::appendTarget(const QString& table, const QList<FieldDefinition>& fields,
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
        return std::nullopt;
    }
    QStringList columns;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const auto match = std::find_if(existing.begin(), existing.end(), [&](const FieldDefinition& field) {
            return field.name.compare(fields[i].name, Qt::CaseInsensitive) == 0;
        });
        if (m_settings.firstRowNames && match == existing.end()) {
            tell(QStringLiteral("The table %1 has no field %2").arg(table, fields[i].name));
            return std::nullopt;
        }
        targets << (m_settings.firstRowNames ? *match : existing[i]);
        columns << sqlName(targets.last().name);
    }
    return QStringLiteral("Insert into ") + sqlQuoted(table) + QStringLiteral(" (") + columns.join(QStringLiteral(", ")) +
           QStringLiteral(") values(");
}

QString TextImport::refusal(const DelimitedRecord& record, const QList<FieldDefinition>& fields) const
{
    if (record.openQuote)
        return QStringLiteral("the quoted value is not closed before the end of the file");
    for (qsizetype i = fields.size(); i < record.values.size(); ++i)
        if (!record.values[i].isEmpty())
            return QStringLiteral("%1 values for %2 fields").arg(record.values.size()).arg(fields.size());
    for (qsizetype i = 0; i < fields.size() && i < record.values.size(); ++i) {
        const FieldDefinition& field = fields[i];
        const QString size = fieldSizeOf(field);
        if (canHold(field.type, size, record.values[i]))
            continue;
        if (field.type == kText)
            return QStringLiteral("%1 is longer than the %2 characters of the field %3")
                .arg(shown(record.values[i]), size, field.name);
        return QStringLiteral("%1 is not a value of the %2 field %3").arg(shown(record.values[i]), field.type, field.name);
    }
    return QStringLiteral("the engine refused the record: ") + cedb::lastError().description;
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
    QString insert = QStringLiteral("Insert into ") + sqlQuoted(table) + QStringLiteral(" values(");
    if (mode == Mode::Append) {
        targets.clear();
        const std::optional<QString> appendInsert = appendTarget(table, fields, targets);
        if (!appendInsert)
            return outcome;
        insert = *appendInsert;
    }
    TextSource source;
    if (!source.open(hostPathOf(m_settings.path))) {
        tell(QStringLiteral(" The File Can't be Opened"));
        return outcome;
    }
    CDbTransaction transaction(m_context);
    const QString notWritten = QStringLiteral("The records could not be written to ") + table +
                               QStringLiteral("; nothing was imported");
    if (!transaction.isOpen()) {
        const QString cause = fileFailureText(cedb::lastError().code);
        tell(cause.isEmpty() ? notWritten : cause);
        return outcome;
    }
    if (mode == Mode::Create && !createTable(table, fields, outcome.tableId))
        return outcome;
    DelimitedReader reader(source, Delimiter::fromListEntry(m_settings.delimiter));
    DelimitedRecord record;
    if (m_settings.firstRowNames)
        reader.next(record);
    const qsizetype fieldCount = targets.size();
    QString statement;
    for (int lines = 1; reader.next(record); ++lines) {
        if (progress && lines % kProgressEvery == 0 &&
            !progress(source.size() ? double(source.position()) / double(source.size()) : 1.0)) {
            outcome.state = ImportOutcome::State::Cancelled;
            return outcome;
        }
        statement = insert;
        for (qsizetype i = 0; i < fieldCount; ++i) {
            if (i)
                statement += QStringLiteral(", ");
            statement += i < record.values.size() ? sqlValue(record.values[i], record.quoted[i]) : QStringLiteral("Null");
        }
        statement += QLatin1Char(')');
        const bool extraValues = std::any_of(record.values.begin() + std::min(fieldCount, record.values.size()),
                                             record.values.end(), [](const QString& value) { return !value.isEmpty(); });
        CDbRecordset insertion(m_context.connection, m_context.databasePath());
        if (!record.openQuote && !extraValues && insertion.Open(statement, 0, 1))
            ++outcome.imported;
        else
            outcome.refused << RefusedLine{record.line, refusal(record, targets)};
    }
    if (!transaction.commit()) {
        tell(notWritten);
        outcome.state = ImportOutcome::State::Failed;
        outcome.imported = 0;
        return outcome;
    }
    outcome.state = ImportOutcome::State::Imported;
    if (outcome.tableId.isEmpty())
        outcome.tableId = tableIdOf(m_context, table);
    CDbRecordset records(m_context.connection, m_context.databasePath());
    if (records.Open(QStringLiteral("SELECT * FROM ") + sqlQuoted(table), 0, 1))
        outcome.recordCount = records.GetRecordCount();
    else
        tell(QStringLiteral("Error opening the table ") + table);
    return outcome;
}
