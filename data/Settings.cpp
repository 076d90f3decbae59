#include "data/Settings.h"

#include "data/ProfileSettings.h"

GeneralOptions loadGeneralOptions()
{
    const auto number = [](const char* key) { return profileInt(profile::General, QString::fromLatin1(key)); };
    const auto text = [](const char* key) { return profileText(profile::General, QString::fromLatin1(key)); };
    GeneralOptions options;
    options.Font = text("Font");
    options.FontSize = text("FontSize");
    options.Default_Date_Style = number("Default_Date_Style");
    options.Default_Language = number("Default_Language");
    options.DefaultDatabase = text("DefaultDatabase");
    options.PassWord = text("PassWord");
    options.FontColor = number("FontColor");
    options.BackGroundColor = number("BackGroundColor");
    options.ListColor = number("ListColor");
    options.OpenMostRecentDB = number("OpenMostRecentDB");
    options.PassWordReq = number("PassWordReq");
    options.Italic = number("Italic");
    options.Underline = number("Underline");
    options.Strikethrough = number("Strikethrough");
    options.Bold = number("Bold");
    return options;
}

TableFormOptions loadTableFormOptions()
{
    const auto number = [](const char* key) { return profileInt(profile::TableForm, QString::fromLatin1(key)); };
    const auto text = [](const char* key) { return profileText(profile::TableForm, QString::fromLatin1(key)); };
    TableFormOptions options;
    options.Font = text("Font");
    options.FontSize = text("FontSize");
    options.FontColor = number("FontColor");
    options.BackGround = number("BackGround");
    options.CellColor = number("CellColor");
    options.OnSelectionColor = number("OnSelectionColor");
    options.GridLineColor = number("GridLineColor");
    options.SortByFieldOrder = number("SortByFieldOrder");
    options.ColumnSize = text("ColumnSize");
    options.Bold = number("Bold");
    options.Italic = number("Italic");
    options.Strikethrough = number("Strikethrough");
    options.Underline = number("Underline");
    options.ConfirmOnAdding = number("ConfirmOnAdding");
    options.ConfirmOnDeleting = number("ConfirmOnDeleting");
    return options;
}

void LoadSettings(CAppContext& context)
{
    context.general = loadGeneralOptions();
    context.tableForm = loadTableFormOptions();
}
