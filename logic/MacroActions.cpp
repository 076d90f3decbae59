#include "logic/MacroActions.h"

const std::vector<MacroActionInfo>& macroActions()
{
    static const std::vector<MacroActionInfo> all = {
        {QStringLiteral("Open Form"), {QStringLiteral("FormName"), QStringLiteral("Edit mode")},
         QStringLiteral("Opens a Form")},
        {QStringLiteral("Close Form"), {QStringLiteral("Prompt to save before close ?")}, QStringLiteral("Closes a Form")},
        {QStringLiteral("Save Record"), {QStringLiteral("Prompt before save")}, QStringLiteral("Saves the curent Record")},
        {QStringLiteral("Add Record"), {QStringLiteral("Prompt before adding record")}, QStringLiteral("Adds a Record")},
        {QStringLiteral("Delete Record"), {QStringLiteral("Prompt before deleting record")},
         QStringLiteral("Deletes a Record")},
        {QStringLiteral("Message"), {QStringLiteral("Message text")}, QStringLiteral("Pops up a message")},
        {QStringLiteral("Next Record"), {}, QStringLiteral("Goes to the next Record")},
        {QStringLiteral("Previous Record"), {}, QStringLiteral("Goes to the previous Record")},
        {QStringLiteral("First Record"), {}, QStringLiteral("Goes to the first Record")},
        {QStringLiteral("Last Record"), {}, QStringLiteral("Goes to the last Record")},
        {QStringLiteral("Move to"), {QStringLiteral("Record Number")}, QStringLiteral("Moves to the record specified")},
        {QStringLiteral("If"), {QStringLiteral("Expression")}, QStringLiteral("If Condition")},
        {QStringLiteral("Else"), {}, QStringLiteral("Else Condition")},
        {QStringLiteral("Set Field Value"), {QStringLiteral("Control Name"), QStringLiteral("New Value")},
         QStringLiteral("Sets the Field Value")},
        {QStringLiteral("Set Focus"), {QStringLiteral("Control Name")}, QStringLiteral("Sets Focus")},
        {QStringLiteral("Refresh List"), {QStringLiteral("Control Name")}, QStringLiteral("Refreshes the List")},
        {QStringLiteral("Play Sound"), {QStringLiteral("Type"), QStringLiteral("File Location")},
         QStringLiteral("Plays a Sound")},
        {QStringLiteral("Find Record"),
         {QStringLiteral("Find What"), QStringLiteral("Match"), QStringLiteral("Match case"), QStringLiteral("Search"),
          QStringLiteral("Field"), QStringLiteral("Start")},
         QStringLiteral("Finds the Record")},
        {QStringLiteral("Find Next"), {}, QStringLiteral("Finds Next")},
        {QStringLiteral("Quit"), {QStringLiteral("Save Option")}, QStringLiteral("Quits")},
        {QStringLiteral("Requery"), {QStringLiteral("Control Name")}, QStringLiteral("Requeries")},
        {QStringLiteral("Apply Filter"), {QStringLiteral("Query Name"), QStringLiteral("SQL Filter Condition")},
         QStringLiteral("Applies Filter")},
        {QStringLiteral("Remove All Filters"), {}, QStringLiteral("Removes all Filters")},
        {QStringLiteral("EndIf"), {}, QStringLiteral("EndIf")},
    };
    return all;
}

const MacroActionInfo* findMacroAction(const QString& name)
{
    for (const MacroActionInfo& action : macroActions())
        if (action.name == name)
            return &action;
    return nullptr;
}
