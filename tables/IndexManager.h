#pragma once
// The index manager without its widgets: the indexes of one table as the engine reports them, adding one
// on a field, dropping one, and changing their order, with the questions and messages the manager gives.
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

class CAppContext;

// The three options of an index, as the editing area's check boxes and the list's columns show them.
struct IndexOptions {
    bool nullFirst = false;
    bool caseSensitive = false;
    bool descending = false;

    // The engine's flags number: 1 descending, 2 unknown values last, 4 case-sensitive.
    static IndexOptions fromFlags(int flags);
};

struct IndexRow {
    QString name;
    QString field;
    IndexOptions options;
    // Added to the list but not yet created in the engine.
    bool unsaved = false;

    // The list's six columns: name, field, "TRUE"/"FALSE" three times (blank while unsaved), flags.
    QStringList columns() const;
    int flags() const;
};

class IndexManager {
public:
    static constexpr int kMaxIndexes = 4;
    static QStringList columnTitles();
    // The statement that creates the index of the row on the table, exactly as the engine is given it.
    static QString createStatement(const QString& table, const IndexRow& row);

    IndexManager(CAppContext& context, QString table);

    // Reads the indexes and the fields of the table; false, after the message, when either fails.
    bool load();
    const QList<IndexRow>& rows() const { return m_rows; }
    // The fields the "Field:" choice offers.
    const QStringList& fields() const { return m_fields; }
    bool hasUnsavedChanges() const { return hasUnsavedIndex() || m_orderChanged; }

    // "Add Index": adds an unsaved row after checking the name, the field and that no other row is unsaved.
    bool add(const QString& name, const QString& field);
    // "Save Index Flags": creates the unsaved index with the ticked options, or applies the changed order.
    // `progress` hears each "Deleted " and "Created index " step of a reorder.
    bool save(const IndexOptions& ticked, const std::function<void(const QString&)>& progress = {});
    // "Delete Index": asks, then drops the row's index (an unsaved row just leaves the list).
    bool remove(int row);
    // "Move Index Up" / "Move Index Down": changes the list's order at once; the engine follows on save.
    bool moveUp(int row);
    bool moveDown(int row);
    // Before the window closes: offers to save unsaved changes.
    void close(const IndexOptions& ticked);

private:
    bool databaseOpen() const;
    bool hasUnsavedIndex() const;
    bool readFields(QMap<QString, QString>& byId);
    bool createNew(const IndexOptions& ticked);
    bool applyOrder(const std::function<void(const QString&)>& progress);
    bool move(int row, int to, const QString& unsavedRefusal);
    bool run(const QString& sql);

    CAppContext& m_context;
    QString m_table;
    QString m_tableId;
    QList<IndexRow> m_rows;
    QStringList m_fields;
    bool m_orderChanged = false;
};
