#include "logic/ModuleFunctions.h"

const std::vector<ModuleFunction>& moduleFunctions()
{
    // The descriptions are shown as the program has always shown them, slips included.
    static const std::vector<ModuleFunction> functions = {
        {"Open Form", "OpenForm(string Form Name, bool Edit Mode)"},
        {"Close Form", "CloseForm(bool Prompt to save before close)"},
        {"Save Record", "SaveRecord(bool Prompt before saving record)"},
        {"Add Record", "AddRecord(bool Prompt before saving record)"},
        {"Delete Record", "DeleteRecord(bool Prompt before deleting record)"},
        {"Message", "Message(string message"},
        {"Next Record", "NextRecord()"},
        {"Previous Record", "PreviousRecord()"},
        {"First Record", "FirstRecord()"},
        {"Last Record", "LastRecord()"},
        {"Move to", "MoveTo(int Recrod Number"},
        {"If", "If(Expression)"},
        {"Else", "Else"},
        {"Set Field Value", "SetFieldValue(string Control name ,string New value)"},
        {"Set Focus", "SetFocus(string Control Name)"},
        {"Refresh List", "RefreshList(string Control Name)"},
        {"Play Sound", "PlaySound(string FilePath, string Location)"},
        {"Find Record", "Find(string Find What,bool Match word,bool Match case,Search,string Field,int Start)"},
        {"Find Next", "FindNext()"},
        {"Quit", "Quit(bool Prompt to save)"},
        {"Requery", "Requery(string Control Name)"},
        {"Apply Filter", "ApplyFilter(string Query Name,string SQL Filter Condition)"},
        {"Remove All Filters", "RemoveAllFilters()"},
        {"EndIf", "EndIf"},
    };
    return functions;
}
