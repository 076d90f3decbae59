#pragma once
// Relations between a field of a left table and a field of a right table, as the XNSysRelations rows
// keep them, and the cascades the datasheet and the forms carry into the right tables.
#include "data/CAppContext.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace relationflags {
constexpr int kCascadeUpdates = 2;
constexpr int kCascadeDeletes = 4;
} // namespace relationflags

// Entries "RightTable~RightField" joined by ":"; empty when none. kind 2: cascading updates, 4: deletes.
// `table` is the bare name or the name between single quotes as a list shows it (quotes inside not doubled).
QString RelatedTargets(CAppContext& context, const QString& table, const QString& field, int kind);

struct RelatedTarget {
    QString table;
    QString field;
};
QList<RelatedTarget> SplitRelatedTargets(const QString& targets);

// Writes newValue over oldValue in every target's field (cursor 2, lock 3, field 0, Update).
// Failures stay quiet: the change of the left record already stands.
void CascadeUpdate(CAppContext& context, const QString& targets, const QString& oldValue, const QString& newValue);
// Deletes every target row whose field holds `value`.
void CascadeDelete(CAppContext& context, const QString& targets, const QString& value);

// The datasheet's and the forms' cascades: the user is asked first, with the same questions in both.
// After a changed value of a left field has been stored: "Would you also like to Update in related table".
void OfferCascadeUpdate(CAppContext& context, const QString& table, const QString& field, const QString& oldValue,
                        const QString& newValue);
// Before a record is deleted, one question per field with cascading deletes ("Would you also like to
// delete in related table"); the answers are kept until the record itself is gone.
class PendingCascadeDeletes {
public:
    PendingCascadeDeletes(CAppContext& context, const QString& table, const QStringList& fields,
                          const QStringList& values);
    // Deletes the related records of every Yes.
    void run();

private:
    CAppContext& m_context;
    QList<std::pair<QString, QString>> m_targets; // targets, value
};

// Tables on either side of a relation with `table`, each once, in the order found; nullopt on a failed read.
std::optional<QStringList> RelatedTablesOf(CAppContext& context, const QString& table);
