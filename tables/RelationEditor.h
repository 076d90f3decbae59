#pragma once
// The relations page without its widgets: the tables and their fields to choose from, the choices of
// the page, the relations already stored, and saving and deleting a relation with their messages.
#include "data/CAppContext.h"
#include "data/RelationRows.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct StoredRelation : RelationRow {
    bool sameNames(const StoredRelation& other) const;
};

// What the page's controls hold.
struct RelationChoice {
    QString leftTable;
    QString rightTable;
    QString leftField;
    QString rightField;
    bool referentialIntegrity = false;
    bool cascadingUpdates = false;
    bool cascadingDeletes = false;
    // The index in the "Relationship Type" list.
    int type = 0;

    // RelationFlags: 2 for cascading updates plus 4 for cascading deletes, 1 for integrity without a
    // cascade, 0 without integrity.
    int flags() const;
    StoredRelation relation() const;
    static RelationChoice of(const StoredRelation& relation);
};

namespace relationtypes {
constexpr int kNoKeys = 0;
constexpr int kBothKeys = 1;
constexpr int kLeftKey = 2;
// The "Relationship Type" entries, by index.
QStringList labels();
} // namespace relationtypes

// What a stored RelationFlags value means, in the words of the page's check boxes, for the list of
// relations; a value no choice of the page gives (another program wrote it) shows as its number.
QString relationFlagsText(int flags);

class RelationEditor {
public:
    explicit RelationEditor(CAppContext& context);

    // The user tables, in the engine's order.
    QStringList tables() const;
    // A table's fields in their catalogue order.
    QStringList fieldsOf(const QString& table) const;
    // Every stored relation; empty when they cannot be read. A selected relation that is no longer
    // stored (another database, a row deleted meanwhile) stops being selected.
    QList<StoredRelation> relations();

    RelationChoice& choice() { return m_choice; }
    const RelationChoice& choice() const { return m_choice; }
    // The relation picked in the list of stored relations; nullopt after New Relation.
    const std::optional<StoredRelation>& selected() const { return m_selected; }
    bool isNew() const { return m_new; }

    // New Relation: a blank choice; nothing is selected until a save.
    void newRelation();
    // Shows a stored relation in the page's controls.
    void select(const StoredRelation& relation);
    // Saves the choice as the relation of its four names; true when a row was written.
    bool save();
    // Writes the choice's type and flags over the selected relation.
    bool saveFlags();
    // Asks, then deletes the selected relation; true when it was deleted.
    bool remove();

    // A field is a key when as many of Unique, Required and ZeroLen are set as its type asks.
    bool isKey(const QString& table, const QString& field) const;

private:
    bool keyConditionHolds(const StoredRelation& relation) const;
    bool isDuplicateUnconfirmed();
    QString fieldType(const QString& table, const QString& field) const;
    bool write(const StoredRelation& relation);

    CAppContext& m_context;
    RelationChoice m_choice;
    std::optional<StoredRelation> m_selected;
    // The four names the user was already warned about (or picked from the list): saving them again
    // updates the stored row instead of warning once more.
    std::optional<StoredRelation> m_confirmed;
    bool m_new = false;
};
