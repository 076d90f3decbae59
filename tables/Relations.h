#pragma once
// Relations between a field of a left table and a field of a right table, as the catalogue's relation rows
// keep them, and the cascades the datasheet and the forms carry into the right tables.
#include "data/CAppContext.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace relationflags {
// Stored alone, when Referential Integrity is ticked without a cascade; every cascade implies it.
constexpr int kReferentialIntegrity = 1;
constexpr int kCascadeUpdates = 2;
constexpr int kCascadeDeletes = 4;
} // namespace relationflags

// The right side of a relation: kept as a pair, so that no character of a name can split it wrongly.
struct RelatedTarget {
    QString table;
    QString field;
    bool operator==(const RelatedTarget&) const = default;
};

// The right sides of the relations from `field` of `table` that cascade: kind 2 updates, 4 deletes;
// empty when there are none. `table` is the bare name or the name between single quotes as a list
// shows it (quotes inside not doubled).
QList<RelatedTarget> RelatedTargets(CAppContext& context, const QString& table, const QString& field, int kind);
// "Table~Field", as the list of related tables shows a target.
QString targetText(const RelatedTarget& target);

// Writes newValue over oldValue in every target's field (cursor 2, lock 3, field 0, Update).
// Failures stay quiet: the change of the left record already stands.
void CascadeUpdate(CAppContext& context, const QList<RelatedTarget>& targets, const QString& oldValue,
                   const QString& newValue);
// Deletes every target row whose field holds `value`; false as soon as a statement fails. The caller
// runs it in the transaction that deletes the left record, so that a failure keeps every record.
bool CascadeDelete(CAppContext& context, const QList<RelatedTarget>& targets, const QString& value);

// The datasheet's and the forms' cascades: the user is asked first, with the same questions in both.
// A relation that keeps referential integrity never lets a related record lose the record it refers to:
// without its cascade, or when the user answers No, the change or the deletion is refused (refusal()).

// Before a changed value of a left field is stored: "Would you also like to Update in related table".
class PendingCascadeUpdate {
public:
    PendingCascadeUpdate(CAppContext& context, const QString& table, const QString& field, const QString& oldValue,
                         const QString& newValue);
    // Whether the value may not change, and why; the reason is empty when a read failed, which was told.
    bool refused() const { return m_readFailed || !m_refusal.isEmpty(); }
    const QString& refusal() const { return m_refusal; }
    // After the value has been stored as `storedValue`: carries it into the related records on a Yes.
    void carry(const QString& storedValue) const;

private:
    CAppContext& m_context;
    QList<RelatedTarget> m_targets; // empty unless the user answered Yes
    QString m_oldValue;
    QString m_refusal;
    bool m_readFailed = false;
};

// Before a record is deleted, one question per field with cascading deletes ("Would you also like to
// delete in related table"); the answers are kept until the record itself is gone.
class PendingCascadeDeletes {
public:
    PendingCascadeDeletes(CAppContext& context, const QString& table, const QStringList& fields,
                          const QStringList& values);
    // Whether the record may not be deleted, and why; the reason is empty when a read failed, which was told.
    bool refused() const { return m_readFailed || !m_refusal.isEmpty(); }
    const QString& refusal() const { return m_refusal; }
    // Runs `deleteRecord` and deletes the related records of every Yes, as one transaction: false, with every
    // record kept, when any of it failed.
    bool deleteWith(const std::function<bool()>& deleteRecord);

private:
    CAppContext& m_context;
    QString m_table;
    QList<std::pair<QList<RelatedTarget>, QString>> m_targets; // targets, value
    QString m_refusal;
    bool m_readFailed = false;
};

// Tables on either side of a relation with `table`, each once, in the order found; nullopt on a failed read.
std::optional<QStringList> RelatedTablesOf(CAppContext& context, const QString& table);
