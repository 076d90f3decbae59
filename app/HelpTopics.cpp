#include "app/HelpTopics.h"

#include "platform/device/Process.h"

#include <QWidget>

namespace {
const QString kContents = QStringLiteral("Contents");
} // namespace

const QHash<QString, QString>& helpTopicsByClass()
{
    static const QHash<QString, QString> topics{
        {QStringLiteral("CDBView"), QStringLiteral("Window")},
        {QStringLiteral("RelationsPane"), QStringLiteral("Relations")},
        {QStringLiteral("BrowserDialog"), QStringLiteral("FileBrowser")},
        {QStringLiteral("PasswordDialog"), QStringLiteral("Password")},
        {QStringLiteral("CAddNewTableDlg"), QStringLiteral("TableDesigner")},
        {QStringLiteral("CInputMask"), QStringLiteral("InputMasks")},
        {QStringLiteral("CInputMaskEntryDlg"), QStringLiteral("InputMasks")},
        {QStringLiteral("CExprBuilderDlg"), QStringLiteral("Expressions")},
        {QStringLiteral("CViewTableData"), QStringLiteral("Datasheet")},
        {QStringLiteral("CAdvancedFilterDlg"), QStringLiteral("Filter")},
        {QStringLiteral("CFindReplace1"), QStringLiteral("Find")},
        {QStringLiteral("CIndexManagerDlg"), QStringLiteral("Indexes")},
        {QStringLiteral("CImportFromFileDlg"), QStringLiteral("Import")},
        {QStringLiteral("CExportToFileDlg"), QStringLiteral("Export")},
        {QStringLiteral("CAutoForm"), QStringLiteral("FormView")},
        {QStringLiteral("CNewFormView"), QStringLiteral("FormDesigner")},
        {QStringLiteral("CFormSourceDlg"), QStringLiteral("FormDesigner")},
        {QStringLiteral("CEditFormDlg"), QStringLiteral("FormProperties")},
        {QStringLiteral("CChooseMacroDlg"), QStringLiteral("FormEvents")},
        {QStringLiteral("CSubFormsDlg"), QStringLiteral("Subforms")},
        {QStringLiteral("CMacroBuilderDlg"), QStringLiteral("Macros")},
        {QStringLiteral("CModuleView"), QStringLiteral("Modules")},
        {QStringLiteral("CNewQueryDlg"), QStringLiteral("QueryDesigner")},
        {QStringLiteral("CQueryBuilderDlg"), QStringLiteral("QuerySql")},
        {QStringLiteral("COptionsSheet"), QStringLiteral("Options")},
        {QStringLiteral("CChangePasswordDlg"), QStringLiteral("Password")},
        {QStringLiteral("CFontDialog"), QStringLiteral("Options")},
        {QStringLiteral("ReportsWindow"), QStringLiteral("ReportList")},
        {QStringLiteral("ReportPreview"), QStringLiteral("ReportList")},
        {QStringLiteral("ReportDialog"), QStringLiteral("ReportDialog")},
    };
    return topics;
}

QString helpTopicFor(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        const auto found = helpTopicsByClass().constFind(QString::fromLatin1(widget->metaObject()->className()));
        if (found != helpTopicsByClass().constEnd())
            return *found;
    }
    return kContents;
}

QString helpCommandLine(const QString& topic)
{
    return QStringLiteral("file:XNHelp.htm#") + topic;
}

void openHelpTopic(const QString& topic)
{
    device::startProcess(QStringLiteral("peghelp.exe"), helpCommandLine(topic));
}
