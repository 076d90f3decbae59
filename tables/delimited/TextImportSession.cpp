#include "tables/delimited/TextImportSession.h"

#include "data/SqlText.h"
#include "platform/framework/MessageBox.h"
#include "tables/delimited/ColumnGuess.h"
#include "tables/delimited/DelimiterList.h"
#include "tables/delimited/ImportProposal.h"

using namespace fieldtypes;

namespace {
// The closing message lists this many refused lines; the rest are counted.
constexpr int kListedRefusals = 10;
} // namespace

TextImportSession::TextImportSession(CAppContext& context, QString path)
    : m_context(context), m_settings{std::move(path)}, m_table(unusedImportTableName(context, m_settings.path))
{
    const ImportProposal proposal = proposeImport(m_settings.path);
    m_settings.delimiter = proposal.delimiter;
    m_settings.firstRowNames = proposal.firstRowNames;
    m_settings.skipComments = proposal.skipComments;
}

PreviewFailure TextImportSession::read(const QString& delimiter, bool firstRowNames, bool skipComments)
{
    m_settings.delimiter = delimiter;
    m_settings.firstRowNames = firstRowNames;
    m_settings.skipComments = skipComments;
    PreviewFailure failure = PreviewFailure::None;
    std::optional<ImportPreview> preview = readImportPreview(m_settings, &failure);
    m_lines = preview ? preview->lines : QList<QStringList>();
    m_fields = preview ? preview->fields : QList<FieldDefinition>();
    m_headers = preview ? preview->headers : QStringList();
    return failure;
}

QString TextImportSession::fieldSize(int column) const
{
    if (column < 0 || column >= m_fields.size() || m_fields[column].type != kText)
        return {};
    return m_fields[column].properties.value(0).value;
}

void TextImportSession::setFieldName(int column, const QString& name)
{
    if (column >= 0 && column < m_fields.size())
        m_fields[column].name = name;
}

void TextImportSession::setFieldType(int column, const QString& type)
{
    if (column < 0 || column >= m_fields.size() || !fieldtypes::find(type) || m_fields[column].type == type)
        return;
    const QString size = fieldSize(column);
    m_fields[column] = importField(m_fields[column].name, type, size.isEmpty() ? 50 : size.toInt());
}

void TextImportSession::setFieldSize(int column, const QString& size)
{
    const int characters = size.toInt();
    if (column >= 0 && column < m_fields.size() && m_fields[column].type == kText && characters > 0)
        m_fields[column] = importField(m_fields[column].name, kText, characters);
}

bool TextImportSession::import(const TextImport::Progress& progress, const std::function<void()>& ended)
{
    if (m_fields.isEmpty())
        return false;
    delimiters::remember(m_settings.delimiter);
    TextImport::Mode mode = TextImport::Mode::Create;
    if (!tableIdOf(m_context, m_table).isEmpty()) {
        if (framework::showMessage(QStringLiteral("The table ") + m_table +
                                       QStringLiteral(" already exists. Add the records to it?"),
                                   framework::applicationCaption(), framework::Buttons::YesNo,
                                   framework::Icon::Information) != framework::Answer::Yes)
            return false;
        mode = TextImport::Mode::Append;
    }
    const ImportOutcome outcome = TextImport(m_context, m_settings).run(m_table, m_fields, mode, progress);
    if (ended)
        ended();
    if (outcome.state != ImportOutcome::State::Imported)
        return false;
    framework::showMessage(outcome.summary(m_table, kListedRefusals));
    return true;
}
