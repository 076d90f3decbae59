#pragma once
// The relations page of the database window: a table list and its fields on each side, the three
// check boxes, the relationship type and the relations already stored. It keeps the editor's choice
// in step with its controls; the editor decides what is stored.
#include "app/shell/ShellServices.h"
#include "tables/RelationEditor.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QListWidget;
class QTreeWidget;

class RelationsPane : public QWidget, public RelationsPage {
    Q_OBJECT
public:
    explicit RelationsPane(CAppContext& context, QWidget* parent = nullptr);

    void refill() override;
    void newRelation() override;
    void saveRelation() override;
    void deleteRelation() override;
    void saveRelationFlags() override;

    const RelationEditor& editor() const { return m_editor; }

private:
    struct Side {
        QComboBox* tables;
        QListWidget* fields;
    };
    Side makeSide(const QString& name);
    void fillFields(const Side& side, const QString& table, const QString& field);
    void fillRelations();
    // Puts the editor's choice into the controls.
    void showChoice();
    void readChoice();

    RelationEditor m_editor;
    QList<StoredRelation> m_stored;
    Side m_left;
    Side m_right;
    QCheckBox* m_integrity;
    QCheckBox* m_updates;
    QCheckBox* m_deletes;
    QComboBox* m_type;
    QTreeWidget* m_relations;
    bool m_showing = false;
};
