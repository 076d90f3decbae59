#include "platform/device/DevicePath.h"

#include "data/ApplicationNames.h"
#include "platform/device/DeviceNames.h"

#include "support/TempRoot.h"

#include <gtest/gtest.h>

#include <QDir>

#include <cstdlib>

using namespace device;

namespace {
QString host(const TempRoot& root, const char* relative)
{
    return QDir::cleanPath(QString::fromStdString((root / relative).string()));
}
} // namespace

TEST(DevicePath, NormalizesSeparatorsAndDots)
{
    EXPECT_EQ(normalize("Windows//Varnel.cfg"), QString("\\Windows\\Varnel.cfg"));
    EXPECT_EQ(normalize("\\Documents\\\\Sales.cdb"), QString("\\Documents\\Sales.cdb"));
    EXPECT_EQ(normalize("\\a\\.\\b\\..\\c"), QString("\\a\\c"));
    EXPECT_EQ(normalize(""), QString("\\"));
}

TEST(DevicePath, RefusesPathsLeavingTheRoot)
{
    EXPECT_FALSE(normalize("..\\etc\\passwd"));
    EXPECT_FALSE(normalize("\\a\\..\\..\\b"));
    EXPECT_FALSE(toHostPath("\\Documents\\..\\..\\x"));
    EXPECT_FALSE(fromCommandLine("..\\x.cdb"));
}

TEST(DevicePath, MapsToTheRootAndTheSystemFolder)
{
    TempRoot root;
    EXPECT_EQ(rootFolder(), host(root, ""));
    EXPECT_EQ(systemFolder(), host(root, "Windows"));
    EXPECT_EQ(toHostPath("\\Documents\\Sales.cdb"), host(root, "Documents/Sales.cdb"));
    EXPECT_EQ(toHostPath("Windows//Varnel.cfg"), host(root, "Windows/Varnel.cfg"));
    EXPECT_EQ(toHostPath("\\"), host(root, ""));
    EXPECT_EQ(toDevicePath(host(root, "Documents/Sales.cdb")), QString("\\Documents\\Sales.cdb"));
    EXPECT_EQ(toDevicePath(host(root, "")), QString("\\"));
    EXPECT_FALSE(toDevicePath("/somewhere/else.cdb"));
}

TEST(DevicePath, SystemFolderFollowsXdgWithoutADeviceRoot)
{
    TempRoot root;
    const std::string saved = std::getenv("VARNEL_ROOT");
    unsetenv("VARNEL_ROOT");
    setenv("XDG_DATA_HOME", "/tmp/xdg-data", 1);
    EXPECT_EQ(systemFolder(), QString("/tmp/xdg-data/varnel-desk"));
    EXPECT_EQ(toHostPath("\\Windows\\Registry.dat"), QString("/tmp/xdg-data/varnel-desk/Registry.dat"));
    EXPECT_EQ(toDevicePath("/tmp/xdg-data/varnel-desk/XNHelp.htm"), QString("\\Windows\\XNHelp.htm"));
    unsetenv("XDG_DATA_HOME");
    EXPECT_TRUE(systemFolder().endsWith("/.local/share/varnel-desk"));
    setenv("VARNEL_ROOT", saved.c_str(), 1);
}

// The places follow the names the program gives; a program that gives none still has a root (the home
// folder) and a system folder inside it, and no variable of another program moves them.
TEST(DevicePath, PlacesFollowTheProgramsNames)
{
    TempRoot root;
    struct Restore {
        ~Restore() { installDeviceNames(); }
    } restore;
    setNames({QByteArrayLiteral("OTHER_DEVICE_ROOT"), QStringLiteral("other-program")});
    EXPECT_EQ(rootVariableValue(), nullptr);
    EXPECT_EQ(rootFolder(), QDir::cleanPath(QDir::homePath()));
    setenv("XDG_DATA_HOME", "/tmp/xdg-data", 1);
    EXPECT_EQ(systemFolder(), QString("/tmp/xdg-data/other-program"));
    unsetenv("XDG_DATA_HOME");
    setenv("OTHER_DEVICE_ROOT", "/tmp/other-root", 1);
    EXPECT_STREQ(rootVariableValue(), "/tmp/other-root");
    EXPECT_EQ(toHostPath("\\Windows\\x.dat"), QString("/tmp/other-root/Windows/x.dat"));
    unsetenv("OTHER_DEVICE_ROOT");

    setNames({});
    EXPECT_EQ(rootVariableValue(), nullptr);
    EXPECT_EQ(rootFolder(), QDir::cleanPath(QDir::homePath()));
    EXPECT_EQ(systemFolder(), QDir::cleanPath(QDir::homePath() + "/Windows"));
}

TEST(DevicePath, CommandLineHostPaths)
{
    TempRoot root;
    EXPECT_EQ(fromCommandLine(host(root, "Documents/../Sales.cdb")), QString("\\Sales.cdb"));
    EXPECT_EQ(fromCommandLine("/var/data/other.cdb"), QString("/var/data/other.cdb"));
    EXPECT_EQ(fromCommandLine("Documents/Sales.cdb"), QString("\\Documents\\Sales.cdb"));
    EXPECT_EQ(toHostPath("/var/data/other.cdb"), QString("/var/data/other.cdb"));
}
