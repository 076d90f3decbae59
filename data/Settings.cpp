#include "data/Settings.h"

#include "platform/framework/Profile.h"

using framework::GetProfileInt;
using framework::GetProfileString;

GeneralOptions loadGeneralOptions()
{
    GeneralOptions options;
    const QString section = QStringLiteral("GENERAL_OPTIONS");
    options.Font = GetProfileString(section, QStringLiteral("Font"), QStringLiteral("Tahoma"));
    options.FontSize = GetProfileString(section, QStringLiteral("FontSize"), QStringLiteral("14"));
    options.Default_Date_Style = GetProfileInt(section, QStringLiteral("Default_Date_Style"), 0);
    options.Default_Language = GetProfileInt(section, QStringLiteral("Default_Language"), 0);
    options.DefaultDatabase = GetProfileString(section, QStringLiteral("DefaultDatabase"), QStringLiteral("\\My Document"));
    options.PassWord = GetProfileString(section, QStringLiteral("PassWord"), QString());
    options.FontColor = GetProfileInt(section, QStringLiteral("FontColor"), 0);
    options.BackGroundColor = GetProfileInt(section, QStringLiteral("BackGroundColor"), 0xFFFFFF);
    options.ListColor = GetProfileInt(section, QStringLiteral("ListColor"), 0xFFFFFF);
    options.OpenMostRecentDB = GetProfileInt(section, QStringLiteral("OpenMostRecentDB"), 0);
    options.PassWordReq = GetProfileInt(section, QStringLiteral("PassWordReq"), 0);
    options.Italic = GetProfileInt(section, QStringLiteral("Italic"), 0);
    options.Underline = GetProfileInt(section, QStringLiteral("Underline"), 0);
    options.Strikethrough = GetProfileInt(section, QStringLiteral("Strikethrough"), 0);
    options.Bold = GetProfileInt(section, QStringLiteral("Bold"), 0);
    return options;
}

TableFormOptions loadTableFormOptions()
{
    TableFormOptions options;
    const QString section = QStringLiteral("TABLEFORM_OPTIONS");
    options.Font = GetProfileString(section, QStringLiteral("Font"), QStringLiteral("Tahoma"));
    options.FontSize = GetProfileString(section, QStringLiteral("FontSize"), QStringLiteral("14"));
    options.FontColor = GetProfileInt(section, QStringLiteral("FontColor"), 0);
    options.BackGround = GetProfileInt(section, QStringLiteral("BackGround"), 0xCDFFCD);
    options.CellColor = GetProfileInt(section, QStringLiteral("CellColor"), 0xFFFFFF);
    options.OnSelectionColor = GetProfileInt(section, QStringLiteral("OnSelectionColor"), 0xF647B4);
    options.GridLineColor = GetProfileInt(section, QStringLiteral("GridLineColor"), 0);
    options.SortByFieldOrder = GetProfileInt(section, QStringLiteral("SortByFieldOrder"), 0);
    options.ColumnSize = GetProfileString(section, QStringLiteral("ColumnSize"), QStringLiteral("50"));
    options.Bold = GetProfileInt(section, QStringLiteral("Bold"), 0);
    options.Italic = GetProfileInt(section, QStringLiteral("Italic"), 0);
    options.Strikethrough = GetProfileInt(section, QStringLiteral("Strikethrough"), 0);
    options.Underline = GetProfileInt(section, QStringLiteral("Underline"), 0);
    options.ConfirmOnAdding = GetProfileInt(section, QStringLiteral("ConfirmOnAdding"), 0);
    options.ConfirmOnDeleting = GetProfileInt(section, QStringLiteral("ConfirmOnDeleting"), 0);
    return options;
}

void LoadSettings(CAppContext& context)
{
    context.general = loadGeneralOptions();
    context.tableForm = loadTableFormOptions();
}
