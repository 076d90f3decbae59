#pragma once
// The datasheet's filters and sorts. Each one rewrites the statement the datasheet shows: quick filters
// keep one condition per column, the advanced filter one more, and the filter text made of them is
// appended to the source's base SQL. Whatever the engine refuses leaves the datasheet on its base SQL.
// A sort the user chose stays through later filters and their removal.
#include "tables/AdvancedFilter.h"

#include <QString>

#include <vector>

class FilterTarget;
class LongWork;

class DatasheetFilter {
public:
    explicit DatasheetFilter(FilterTarget& target);

    // Where a statement that works long shows that it does, and may be stopped; none when null. A stopped
    // command leaves the records, the conditions and the sort as they were before it.
    void setLongWork(LongWork* work) { m_longWork = work; }

    // Filter on the current cell's value: records whose field starts with or equals it, or the others.
    void filterIncluding();
    void filterExcluding();
    void removeFilter();

    void sortAscending();
    void sortDescending();
    void sortOnField(int field, bool ascending);
    // A tap on a field's header sorts on it when `sortByHeader` (the option) is on: ascending first, then
    // the other way on each further tap of the same header.
    void headerTapped(int field, bool sortByHeader);

    // Shows the statement of the advanced filter/sort grid; its conditions replace the quick filters'.
    void applyAdvanced(const AdvancedStatement& statement);

    // What is appended to the base SQL; empty without filter.
    QString filterText() const { return m_where + m_orderBy; }
    QString condition(int field) const;
    QString advancedCondition() const { return m_advanced; }
    // The records on show are narrowed by a condition, or ordered by a sort the user chose.
    bool isFiltered() const { return !m_where.isEmpty(); }
    bool isSorted() const { return !m_sort.isEmpty(); }

private:
    struct State {
        std::vector<QString> conditions;
        QString advanced;
        QString where;
        QString orderBy;
        QString sort;
    };

    void quickFilter(bool including);
    // The filter text from the conditions, with the records ordered by the chosen sort, else on `field`.
    void rebuild(int field);
    // Shows `sql`, or the base SQL without any filter when the engine refuses it; when the user stops it,
    // goes back to `before` with the records shown before.
    void show(const QString& sql, const QString& what, const State& before);
    void clear();
    State state() const;

    FilterTarget& m_target;
    LongWork* m_longWork = nullptr;
    std::vector<QString> m_conditions;
    QString m_advanced;
    // The filter text in two parts, so a sort can replace the order without reading through values.
    QString m_where;
    QString m_orderBy;
    // The order the user chose by a sort command or the advanced grid (" ORDER BY ..." or, after a query's
    // own order, ", ..."); empty when none was.
    QString m_sort;
    int m_tappedField = -1;
    bool m_tappedAscending = true;
};
