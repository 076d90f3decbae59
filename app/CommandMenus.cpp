#include "app/CommandMenus.h"

#include "app/CommandIds.h"

namespace {
// What Enter and Delete do in the list of the pane on show; the same keys in every pane.
const QString kOpenKey = QStringLiteral("Enter");
const QString kDeleteKey = QStringLiteral("Del");
} // namespace

const QList<MenuDefinition>& mainMenus()
{
    static const QList<MenuDefinition> menus = {
        {"&File",
         {{cmd::NewDatabase, "&New Database...", QKeySequence(Qt::CTRL | Qt::Key_N)},
          {cmd::NewServerDatabase, "New Ser&ver Database..."},
          {cmd::OpenDatabase, "&Open Database...", QKeySequence(Qt::CTRL | Qt::Key_O)},
          {cmd::OpenServerDatabase, "Open Se&rver Database..."},
          {cmd::CloseDatabase, "&Close Database"},
          {cmd::DeleteDatabase, "&Delete Database..."},
          {cmd::CopyDatabase, "Cop&y Database To..."},
          {cmd::ExportSqlite, "Export as &SQLite database..."},
          {0, {}},
          {cmd::BeamDatabase, "&Beam Database"},
          {0, {}},
          {cmd::Options, "O&ptions..."},
          {0, {}},
          {cmd::Exit, "E&xit", QKeySequence(Qt::CTRL | Qt::Key_Q)}}},
        {"&Tables",
         {{cmd::NewTable, "&New Table"},
          {cmd::OpenTable, "&Open Table", {}, kOpenKey},
          {cmd::EditTable, "&Edit Table"},
          {cmd::DeleteTable, "&Delete Table", {}, kDeleteKey},
          {cmd::DeletedTables, "Deleted &Tables..."},
          {0, {}},
          {cmd::OpenAutoForm, "Open &Auto Form"},
          {cmd::ImportFromFile, "&Import from file..."},
          {cmd::ExportToFile, "Ex&port to file..."},
          {cmd::OpenIndexManager, "Open Index &Manager..."}}},
        {"F&orms",
         {{cmd::NewForm, "&New Form"},
          {cmd::OpenForm, "&Open Form", {}, kOpenKey},
          {cmd::EditForm, "&Edit Form"},
          {cmd::DeleteForm, "&Delete Form", {}, kDeleteKey},
          {0, {}},
          {cmd::ImportForm, "&Import Form..."},
          {cmd::ExportForm, "E&xport Form..."}}},
        {"&Queries",
         {{cmd::NewQuery, "&New Query"},
          {cmd::OpenQuery, "&Open Query", {}, kOpenKey},
          {cmd::EditQuery, "&Edit Query"},
          {cmd::DeleteQuery, "&Delete Query", {}, kDeleteKey},
          {0, {}},
          {cmd::QueryAutoForm, "&AutoForm"},
          {cmd::ExportToFile, "Ex&port to file..."}}},
        {"&Macros",
         {{cmd::NewMacro, "&New Macro"},
          {cmd::OpenMacro, "&Run Macro", {}, kOpenKey},
          {cmd::EditMacro, "&Edit Macro"},
          {cmd::DeleteMacro, "&Delete Macro", {}, kDeleteKey}}},
        {"Mo&dules",
         {{cmd::NewModule, "&New Module"},
          {cmd::EditModule, "&Edit Module", {}, kOpenKey},
          {cmd::RunModule, "&Run Module"},
          {cmd::DeleteModule, "&Delete Module", {}, kDeleteKey}}},
        {"Re&ports", {{cmd::Reports, "&Reports..."}}},
        {"&Relations",
         {{cmd::NewRelation, "&New Relation"},
          {cmd::DeleteRelation, "&Delete Relation"},
          {cmd::SaveRelation, "&Save Relation"},
          {cmd::SaveRelationFlags, "Save Relation &Flags"}}},
        {"&Help", {{cmd::Help, "&Contents", QKeySequence(Qt::Key_F1)}}},
    };
    return menus;
}

const QList<CommandBarDefinition>& commandBars()
{
    static const QList<CommandBarDefinition> bars = {
        {bar::Tables,
         {{cmd::NewTable, "New Table"},
          {cmd::OpenTable, "Open Table"},
          {cmd::EditTable, "Edit Table"},
          {cmd::DeleteTable, "Delete Table"},
          {cmd::OpenAutoForm, "Open Auto Form"},
          {cmd::ImportFromFile, "Import Table"}}},
        {bar::Forms,
         {{cmd::NewForm, "New Form"},
          {cmd::OpenForm, "Open Form"},
          {cmd::EditForm, "Edit Form"},
          {cmd::DeleteForm, "Delete Form"}}},
        {bar::Queries,
         {{cmd::NewQuery, "New Query"},
          {cmd::OpenQuery, "Open Query"},
          {cmd::EditQuery, "Edit Query"},
          {cmd::DeleteQuery, "Delete Query"},
          {cmd::QueryAutoForm, "AutoForm"}}},
        {bar::Macros,
         {{cmd::NewMacro, "New Macro"},
          {cmd::OpenMacro, "Run Macro"},
          {cmd::EditMacro, "Edit Macro"},
          {cmd::DeleteMacro, "Delete Macro"}}},
        {bar::Modules,
         {{cmd::NewModule, "New Module"},
          {cmd::EditModule, "Edit Module"},
          {cmd::RunModule, "Run Module"},
          {cmd::DeleteModule, "Delete Module"}}},
        {bar::Relations,
         {{cmd::NewRelation, "New Relation"},
          {cmd::DeleteRelation, "Delete Relation"},
          {cmd::SaveRelation, "Save Relation"}}},
    };
    return bars;
}
