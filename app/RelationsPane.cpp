#include "app/RelationsPane.h"

#include "widgets/ColumnFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

RelationsPane::RelationsPane(CAppContext& context, QWidget* parent) : QWidget(parent), m_editor(context)
{
    setObjectName(QStringLiteral("relationsPane"));
    auto* sides = new QGridLayout;
    m_left = makeSide(QStringLiteral("left"));
    m_right = makeSide(QStringLiteral("right"));
    sides->addWidget(new QLabel(QStringLiteral("Left Table:"), this), 0, 0);
    sides->addWidget(new QLabel(QStringLiteral("Right Table:"), this), 0, 1);
    sides->addWidget(m_left.tables, 1, 0);
    sides->addWidget(m_right.tables, 1, 1);
    sides->addWidget(m_left.fields, 2, 0);
    sides->addWidget(m_right.fields, 2, 1);

    m_integrity = new QCheckBox(QStringLiteral("Referential Integrity"), this);
    m_updates = new QCheckBox(QStringLiteral("Cascading Updates?"), this);
    m_deletes = new QCheckBox(QStringLiteral("Cascading Deletes?"), this);
    m_integrity->setObjectName(QStringLiteral("referentialIntegrity"));
    m_updates->setObjectName(QStringLiteral("cascadingUpdates"));
    m_deletes->setObjectName(QStringLiteral("cascadingDeletes"));
    m_type = new QComboBox(this);
    m_type->setObjectName(QStringLiteral("relationshipType"));
    m_type->addItems(relationtypes::labels());

    auto* choices = new QGridLayout;
    choices->addWidget(m_integrity, 0, 0, 1, 2);
    choices->addWidget(m_updates, 1, 0);
    choices->addWidget(m_deletes, 1, 1);
    choices->addWidget(new QLabel(QStringLiteral("Relationship Type"), this), 2, 0);
    choices->addWidget(m_type, 2, 1);

    m_relations = new QTreeWidget(this);
    m_relations->setObjectName(QStringLiteral("relationsList"));
    m_relations->setRootIsDecorated(false);
    m_relations->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_relations->setAllColumnsShowFocus(true);
    m_relations->setHeaderLabels({QStringLiteral("Left Table"), QStringLiteral("Left Field"), QStringLiteral("Right Table"),
                                  QStringLiteral("Right Field"), QStringLiteral("Type"), QStringLiteral("Integrity")});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(sides, 3);
    layout->addLayout(choices);
    layout->addWidget(m_relations, 2);

    for (const Side* side : {&m_left, &m_right}) {
        connect(side->tables, &QComboBox::currentTextChanged, this, [this, side](const QString& table) {
            if (m_showing)
                return;
            fillFields(*side, table, QString());
            readChoice();
        });
        connect(side->fields, &QListWidget::currentRowChanged, this, [this] {
            if (!m_showing)
                readChoice();
        });
    }
    for (QCheckBox* box : {m_integrity, m_updates, m_deletes})
        connect(box, &QCheckBox::toggled, this, [this] {
            if (!m_showing)
                readChoice();
        });
    connect(m_type, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_showing)
            readChoice();
    });
    connect(m_relations, &QTreeWidget::currentItemChanged, this, [this] {
        const int row = m_relations->currentIndex().row();
        if (m_showing || row < 0 || row >= m_stored.size())
            return;
        m_editor.select(m_stored.at(row));
        showChoice();
    });
}

RelationsPane::Side RelationsPane::makeSide(const QString& name)
{
    Side side{new QComboBox(this), new QListWidget(this)};
    side.tables->setObjectName(name + QStringLiteral("Tables"));
    side.fields->setObjectName(name + QStringLiteral("Fields"));
    return side;
}

void RelationsPane::fillFields(const Side& side, const QString& table, const QString& field)
{
    side.fields->clear();
    side.fields->addItems(m_editor.fieldsOf(table));
    const QList<QListWidgetItem*> matches = side.fields->findItems(field, Qt::MatchFixedString);
    side.fields->setCurrentRow(matches.isEmpty() ? 0 : side.fields->row(matches.first()));
}

void RelationsPane::refill()
{
    const QStringList tables = m_editor.tables();
    RelationChoice& choice = m_editor.choice();
    // A table that is gone leaves the choice; an empty choice takes the first table.
    for (QString* table : {&choice.leftTable, &choice.rightTable})
        if (!tables.contains(*table))
            *table = tables.value(0);
    m_showing = true;
    for (const Side* side : {&m_left, &m_right}) {
        side->tables->clear();
        side->tables->addItems(tables);
    }
    m_showing = false;
    showChoice();
    readChoice();
    fillRelations();
}

void RelationsPane::fillRelations()
{
    m_showing = true;
    m_stored = m_editor.relations();
    m_relations->clear();
    const QStringList types = relationtypes::labels();
    for (const StoredRelation& relation : m_stored) {
        auto* item = new QTreeWidgetItem(m_relations, {relation.leftTable, relation.leftField, relation.rightTable,
                                                       relation.rightField, types.value(relation.type),
                                                       relationFlagsText(relation.flags)});
        if (m_editor.selected() && m_editor.selected()->sameNames(relation))
            m_relations->setCurrentItem(item);
    }
    widenColumnsToFit(*m_relations, *m_relations->header());
    m_showing = false;
}

void RelationsPane::showChoice()
{
    const RelationChoice& choice = m_editor.choice();
    m_showing = true;
    m_left.tables->setCurrentText(choice.leftTable);
    m_right.tables->setCurrentText(choice.rightTable);
    fillFields(m_left, choice.leftTable, choice.leftField);
    fillFields(m_right, choice.rightTable, choice.rightField);
    m_integrity->setChecked(choice.referentialIntegrity);
    m_updates->setChecked(choice.cascadingUpdates);
    m_deletes->setChecked(choice.cascadingDeletes);
    m_type->setCurrentIndex(choice.type);
    m_showing = false;
}

void RelationsPane::readChoice()
{
    const auto fieldOf = [](const Side& side) {
        const QListWidgetItem* item = side.fields->currentItem();
        return item ? item->text() : QString();
    };
    RelationChoice& choice = m_editor.choice();
    choice.leftTable = m_left.tables->currentText();
    choice.rightTable = m_right.tables->currentText();
    choice.leftField = fieldOf(m_left);
    choice.rightField = fieldOf(m_right);
    choice.referentialIntegrity = m_integrity->isChecked();
    choice.cascadingUpdates = m_updates->isChecked();
    choice.cascadingDeletes = m_deletes->isChecked();
    choice.type = m_type->currentIndex();
}

void RelationsPane::newRelation()
{
    m_editor.newRelation();
    showChoice();
    m_relations->setCurrentItem(nullptr);
    m_relations->clearSelection();
}

void RelationsPane::saveRelation()
{
    if (m_editor.save())
        fillRelations();
}

void RelationsPane::deleteRelation()
{
    if (m_editor.remove())
        fillRelations();
}

void RelationsPane::saveRelationFlags()
{
    if (m_editor.saveFlags())
        fillRelations();
}
