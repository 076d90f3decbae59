#pragma once
// The query designer's state and commands without its window: the chosen tables and joins, the grid, the
// statement box of a query edited as text, and what save, run and close do, with their messages.
#include "logic/queries/QueryDesign.h"

class CAppContext;

class QueryDesigner {
public:
    enum class Outcome { Stay, Close, ShowResult };

    // A new query, or the stored query `name`; the constructor reads it (see loaded()).
    QueryDesigner(CAppContext& context, const QString& name = QString());

    CAppContext& context() const { return m_context; }
    bool isNew() const { return m_new; }
    const QString& name() const { return m_name; }
    // False when the query to edit could not be read; the user has been told.
    bool loaded() const { return m_loaded; }

    // "Show Tables:": the database's tables and the chosen ones. Choosing adds the joins the relations
    // between the chosen tables give and drops the joins of tables no longer chosen.
    QStringList tables() const;
    const QStringList& chosenTables() const { return m_chosen; }
    void chooseTables(const QStringList& tables);

    // "Current Joins:".
    const QList<QueryJoin>& joins() const { return m_design.joins; }
    void addJoin(const QueryJoin& join);
    void removeJoin(int index);
    // Table and field of every field of the chosen tables, as the joins and the Field cells offer them.
    QList<std::pair<QString, QString>> chosenFields() const;

    QueryType type() const { return m_design.type; }
    void setType(QueryType type) { m_design.type = type; }
    const QueryDesign& design() const { return m_design; }

    // The grid: rows by the labels of the type, columns 0 to 14 the data columns.
    QStringList rowLabels() const { return QueryRowLabels(m_design.type); }
    QString cell(int row, int column) const;
    // A Field cell typed as the start of a field's name of the chosen tables gets that field.
    void setCell(int row, int column, const QString& text);
    // What a cell of the row offers to pick; empty for a row typed freely.
    QStringList cellChoices(int row) const;

    // A query edited as text: the statement box instead of the grid.
    bool editingText() const { return m_editingText; }
    const QString& statementText() const { return m_text; }
    void editAsText(const QString& statement);

    // The statement box's text when it is shown, else the grid's statement.
    QString statement() const;
    bool changed() const;

    // Save (771): a new query is first named in the "Save Query" prompt. Close when stored.
    Outcome save();
    // Run (772): a select statement is tried, a change not saved is offered for saving, the parameters
    // are asked for, and its result is to be shown (resultStatement()); a delete runs once after the user
    // said Yes, and the designer stays.
    Outcome run();
    // Closing asks "Do you want to save the changes?" when something changed.
    Outcome close();
    const QString& resultStatement() const { return m_result; }

private:
    enum class Row { Field, Table, Sort, Show, Criteria };
    // The row's kind, and for criteria which of the criteria rows.
    std::pair<Row, int> rowAt(int row) const;
    QString completedField(const QString& typed, const QString& columnTable) const;
    void load(const QString& name);
    void remember();

    CAppContext& m_context;
    bool m_new = true;
    bool m_loaded = true;
    QString m_name;
    int m_id = 0;
    QStringList m_chosen;
    QueryDesign m_design;
    bool m_editingText = false;
    QString m_text;
    QString m_result;
    // As last loaded or saved, to tell whether closing must ask.
    QueryDesign m_savedDesign;
    QString m_savedText;
};
