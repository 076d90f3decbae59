#include "app/options/TableFormOptionsModel.h"

#include "data/ProfileSettings.h"
#include "platform/framework/Profile.h"

namespace {
void writeFlag(const char* key, bool checked)
{
    framework::WriteProfileInt(profile::TableForm, QString::fromLatin1(key), checked ? 1 : 0);
}
} // namespace

const QList<ColourOption>& TableFormOptionsModel::colours()
{
    static const QList<ColourOption> options = {
        {QStringLiteral("Background"), profile::TableForm, QStringLiteral("BackGround")},
        {QStringLiteral("Font Color"), profile::TableForm, QStringLiteral("FontColor")},
        {QStringLiteral("Gridlines"), profile::TableForm, QStringLiteral("GridLineColor")},
        {QStringLiteral("Selection"), profile::TableForm, QStringLiteral("OnSelectionColor")},
        {QStringLiteral("Cell Color"), profile::TableForm, QStringLiteral("CellColor")},
    };
    return options;
}

TableFormOptionsModel::Shown TableFormOptionsModel::shown()
{
    const auto flag = [](const char* key) { return profileInt(profile::TableForm, QString::fromLatin1(key)) != 0; };
    Shown shown;
    shown.columnSize = profileText(profile::TableForm, QStringLiteral("ColumnSize"));
    shown.sortByFieldOrder = flag("SortByFieldOrder");
    shown.confirmOnAdding = flag("ConfirmOnAdding");
    shown.confirmOnDeleting = flag("ConfirmOnDeleting");
    shown.autoAddCaption = profileText(profile::TableForm, QStringLiteral("AutoAddCaption")) == QLatin1String("TRUE");
    return shown;
}

void TableFormOptionsModel::columnSizeLeft(const QString& text)
{
    framework::WriteProfileString(profile::TableForm, QStringLiteral("ColumnSize"), text);
}

void TableFormOptionsModel::sortByFieldOrderToggled(bool checked) { writeFlag("SortByFieldOrder", checked); }
void TableFormOptionsModel::confirmOnAddingToggled(bool checked) { writeFlag("ConfirmOnAdding", checked); }
void TableFormOptionsModel::confirmOnDeletingToggled(bool checked) { writeFlag("ConfirmOnDeleting", checked); }

void TableFormOptionsModel::autoAddCaptionToggled(bool checked)
{
    framework::WriteProfileString(profile::TableForm, QStringLiteral("AutoAddCaption"),
                                  checked ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
}
