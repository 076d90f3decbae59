#pragma once
// The datasheet's filters and sorts. Each one rewrites the statement the datasheet shows: quick filters
// keep one condition per column, the advanced filter one more, and the filter text made of them is
// appended to the source's base SQL. Whatever the engine refuses leaves the datasheet on its base SQL.
#include "tables/AdvancedFilter.h"

#include <QString>

#include <vector>

class FilterTarget;

class DatasheetFilter {
public:
    explicit DatasheetFilter(FilterTarget& target);

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

private:
    void quickFilter(bool including);
    // The filter text from the conditions, with the records ordered on `field`.
    void rebuild(int field);
    // Shows `sql`, or the base SQL without any filter when the engine refuses it.
    void show(const QString& sql);
    void clear();

    FilterTarget& m_target;
    std::vector<QString> m_conditions;
    QString m_advanced;
    // The filter text in two parts, so a sort can replace the order without reading through values.
    QString m_where;
    QString m_orderBy;
    int m_tappedField = -1;
    bool m_tappedAscending = true;
};
