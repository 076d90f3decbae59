#include "app/CDatabaseApp.h"

#include "app/CDBView.h"
#include "app/CMainFrame.h"
#include "app/FileBrowserClient.h"
#include "app/FramePlacement.h"
#include "app/PasswordDialog.h"
#include "app/RelationsPane.h"
#include "app/RegistryAssociation.h"
#include "app/ViewKeyActions.h"
#include "app/HelpKeys.h"
#include "app/HelpTopics.h"
#include "app/options/COptionsSheet.h"
#include "app/shell/DesktopAssociation.h"
#include "app/shell/PasswordCheck.h"
#include "app/shell/SampleDatabase.h"
#include "data/DataHistory.h"
#include "data/LanguageLibrary.h"
#include "data/Settings.h"
#include "logic/CExprBuilderDlg.h"
#include "logic/ScriptStopPrompt.h"
#include "platform/cedb/ReadLocks.h"
#include "platform/cedb/ServerAccess.h"
#include "platform/cedb/ServerAddress.h"
#include "platform/com/com.h"
#include "platform/device/DevicePath.h"
#include "platform/device/Files.h"
#include "platform/device/Process.h"
#include "platform/device/SystemFolder.h"
#include "platform/framework/MessageBox.h"
#include "reports/ui/DocumentPrinter.h"
#include "tables/CAddNewTableDlg.h"
#include "tables/CDeletedTablesDlg.h"
#include "tables/CIndexManagerDlg.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QScreen>
#include <QTimer>

namespace {
// Well within the five seconds another instance of the program waits for a lock.
constexpr std::chrono::milliseconds kReadLockIdle{250};
constexpr std::chrono::milliseconds kServerChangesLook{500};

// The help viewer: beside the program once installed, else where this build put it.
QString helpViewer()
{
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("peghelp"));
    return QFile::exists(beside) ? beside : QStringLiteral(VARNEL_PEGHELP_BUILT);
}

// The help file travels inside the program and is refreshed in the system folder when it changed.
void placeHelpFile()
{
    QFile bundled(QStringLiteral(":/XNHelp.htm"));
    if (!bundled.open(QIODevice::ReadOnly))
        return;
    const QByteArray text = bundled.readAll();
    const QString target = QDir(device::systemFolder()).filePath(QStringLiteral("XNHelp.htm"));
    QFile current(target);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == text)
        return;
    QSaveFile file(target);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text);
        file.commit();
    }
}

} // namespace

CDatabaseApp::CDatabaseApp(QStringList arguments) : m_arguments(std::move(arguments)) {}

CDatabaseApp::~CDatabaseApp()
{
    setScriptWatch(nullptr);
    setScriptApplication(nullptr);
}

int CDatabaseApp::run()
{
    CoInitializeEx(nullptr, 0);
    prepareSystemFolder();
    device::startProcess(QStringLiteral("Windows//Regsvrce.exe"), QStringLiteral("/s Windows//Kestrine.dll"));
    SelectLanguageLibrary(m_context);
    LoadSettings(m_context);
    // From the first window on, the password prompt included.
    qApp->installEventFilter(new HelpKeys(openHelpTopic, qApp));

    if (m_context.general.PassWordReq == 1 && !passwordAccepted())
        return kPasswordCancelledExitCode;

    if (!processCommandLine()) {
        framework::showMessage(QStringLiteral("ProcessShellCommand failed"));
        return 1;
    }

    // On the device's own screen the strip keeps its pixels; on a desktop it is drawn twice as large.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int stripScale = screen && screen->size() == QSize(240, 320) ? 1 : 2;
    m_frame = std::make_unique<CMainFrame>(m_model, m_commands, m_recent, stripScale);
    m_platform.setWindow(m_frame.get());
    m_views.setFrame(m_frame.get());
    m_commands.setViewOpener(&m_views);
    m_commands.setFormStore(&m_forms);
    m_transfer.setWindow(m_frame.get());
    m_commands.setTextTransfer(&m_transfer);
    // Every file the program writes is named in the one browser the user opens files with.
    DocumentPrinter::setPdfPathChooser([](QWidget* window, const QString& title) {
        return chooseExportFile({.title = QStringLiteral("Export to PDF"),
                                 .filters = QStringLiteral("*.pdf(PDF Files)"),
                                 .saveExtension = QStringLiteral("pdf"),
                                 .suggestedName = title + QStringLiteral(".pdf")},
                                window);
    });
    auto* relations = new RelationsPane(m_context);
    m_frame->databaseWindow()->setRelationsPane(relations);
    m_commands.setRelationsPage(relations);
    setScriptApplication(&m_views);
    QObject::connect(&m_platform.hotKeys(), &HotKeyGrabber::hotKey, m_frame.get(),
                     [this](int virtualKey) { m_views.hardwareKey(virtualKey); });
    auto* viewKeys = new ViewKeyActions([this] { return m_views.keyActionView(); },
                                        [this](int virtualKey) { m_views.hardwareKey(virtualKey); }, m_frame.get());
    qApp->installEventFilter(viewKeys);
    // A cursor's read lock, held while the user looks at its records, would keep other programs from
    // writing to the file: it goes once the program has left the file alone for a moment.
    auto* idleReaders = new QTimer(m_frame.get());
    QObject::connect(idleReaders, &QTimer::timeout, [] { cedb::releaseIdleReadLocks(kReadLockIdle); });
    idleReaders->start(kReadLockIdle);
    // Another program may write to the file while the user is there: what it wrote shows on coming back.
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, m_frame.get(),
                     [this](Qt::ApplicationState state) {
                         if (state != Qt::ApplicationActive)
                             m_fileWatch.look(m_context.databasePath());
                         else if (m_fileWatch.changed())
                             m_views.showChangesOfOtherPrograms();
                     });
    // On a server database the other programs' writes are heard from the server: the view on show reads
    // again at the next idle moment, and again later while typing not yet stored or a dialog holds it back.
    auto* serverChanges = new QTimer(m_frame.get());
    QObject::connect(serverChanges, &QTimer::timeout, [this] {
        if (cedb::otherProgramsWrote(m_context.databasePath()))
            m_serverChanged = true;
        if (m_serverChanged && !QApplication::activeModalWidget() && QApplication::mouseButtons() == Qt::NoButton)
            m_serverChanged = !m_views.showChangesOfOtherPrograms();
    });
    serverChanges->start(kServerChangesLook);
    m_scriptWatch = std::make_unique<ScriptStopPrompt>(m_frame.get());
    setScriptWatch(m_scriptWatch.get());
    showInItsPlace(*m_frame);
    startDatabaseWindow();
    const int exitCode = QApplication::exec();
    rememberPlace(*m_frame);
    m_platform.releaseHotKeys();
    CoUninitialize();
    return exitCode;
}

void CDatabaseApp::prepareSystemFolder()
{
    device::prepareSystemFolder();
    seedLanguageFile();
    // The start-up registers the component with "Windows//Regsvrce.exe /s Windows//Kestrine.dll".
    device::linkBuiltFiles(QCoreApplication::applicationDirPath(),
                           {{QStringLiteral("Kestrine.dll"), QStringLiteral("Kestrine.so")},
                            {QStringLiteral("Regsvrce.exe"), QStringLiteral("regsvrce")}});
    device::placeSystemLink(QStringLiteral("peghelp.exe"), helpViewer());
    placeHelpFile();
}

bool CDatabaseApp::processCommandLine()
{
    const QStringList paths = m_arguments.mid(1);
    if (paths.isEmpty())
        return true;
    // A server database's address is taken as it is; a path is the device's.
    const auto path = cedb::isServerAddress(paths.first()) ? std::optional<QString>(paths.first())
                                                           : device::fromCommandLine(paths.first());
    if (!path)
        return false;
    m_context.startupDatabasePath = *path;
    return true;
}

bool CDatabaseApp::passwordAccepted()
{
    PasswordDialog prompt(m_context.general.PassWord);
    return prompt.exec() == QDialog::Accepted;
}

void CDatabaseApp::startDatabaseWindow()
{
    m_platform.setTableDesigner([this] {
        // The builder sits over the designer, the modal window at the time it is asked for.
        const ExpressionBuilder builder = [this](const QString& text, int mode, const QString& table,
                                                 const QString& field) {
            return CExprBuilderDlg::composeForField(m_context, QApplication::activeModalWidget(), mode, table, field,
                                                    text);
        };
        CAddNewTableDlg designer(m_context, m_designerHost, builder, m_frame.get());
        designer.exec();
    });
    m_platform.setIndexManager(
        [this](const QString& table) { CIndexManagerDlg::run(m_frame.get(), m_context, table); });
    m_platform.setOptionsSheet([this] { showOptions(); });
    m_platform.setDeletedTables([this] {
        if (!DataHistory(m_context).kept()) {
            framework::showMessage(DataHistory::notKeptMessage());
            return false;
        }
        CDeletedTablesDlg dialog(m_context.databasePath(), m_frame.get());
        dialog.exec();
        return dialog.restored();
    });
    m_frame->databaseWindow()->applyLook(lookFromOptions(m_context.general));
    const QString program = QCoreApplication::applicationFilePath();
    writeRegistryAssociation(program);
    installDesktopAssociation(xdgFoldersFromEnvironment(), program);

    const bool opened = m_commands.openAtStart({m_context.startupDatabasePath, m_context.general.OpenMostRecentDB == 1,
                                                m_context.general.DefaultDatabase});
    if (!opened && m_recent.entries().isEmpty())
        openSampleDatabase();
    m_platform.takeHotKeys();
}

void CDatabaseApp::showOptions()
{
    OptionsServices services;
    services.reassociate = [] {
        const QString program = QCoreApplication::applicationFilePath();
        // Both the registry and the desktop must name the program, else the files open with nothing.
        const bool registry = writeRegistryAssociation(program);
        return installDesktopAssociation(xdgFoldersFromEnvironment(), program) && registry;
    };
    services.chooseFolder = [this](const QString& current) {
        return browseWithComponent({.title = QStringLiteral("Default Database Folder"),
                                    .onlyFolders = true,
                                    .startFolder = current,
                                    .purpose = BrowsePurpose::Folder},
                                   m_frame.get());
    };
    services.settingsReloaded = [this] { m_frame->databaseWindow()->applyLook(lookFromOptions(m_context.general)); };
    COptionsSheet sheet(m_context, std::move(services), m_frame.get());
    sheet.exec();
}

void CDatabaseApp::openSampleDatabase()
{
    const QString path = prepareSampleDatabasePath();
    if (!device::fileExists(path))
        buildSampleDatabase(m_database, path);
    m_commands.openAtStart({path, false, {}});
}
