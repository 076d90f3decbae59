#pragma once

#include "support/TempRoot.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <filesystem>
#include <fstream>
#include <string>

#include "filebrowser/browser/BrowserSession.h"

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '{' << texts.join(QLatin1String(", ")).toStdString() << '}';
}

// A device root with a few folders and files of known sizes for the chooser's tests.
class BrowserFixture : public ::testing::Test {
protected:
    void makeFolder(const std::string& relative) { std::filesystem::create_directories(m_root / relative); }
    void makeFile(const std::string& relative, std::size_t bytes)
    {
        const std::filesystem::path path = m_root / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << std::string(bytes, 'x');
    }

    // The usual scene: "\Docs" with two folders and files of several kinds and sizes.
    void makeDocs()
    {
        makeFolder("Docs/Archive");
        makeFolder("Docs/beta");
        makeFile("Docs/Sales.cdb", 20000);
        makeFile("Docs/addresses.cdb", 900);
        makeFile("Docs/notes.txt", 2047);
        makeFile("Docs/Zoo.CDB", 1024);
        makeFile("Docs/picture.bmp", 1023);
    }

    static QStringList names(const browser::BrowserSession& session)
    {
        QStringList all;
        for (const browser::BrowserRow& row : session.rows())
            all << row.name();
        return all;
    }

    static BrowserRequest request(const QString& folder, const QString& filters = QStringLiteral("*.*"))
    {
        BrowserRequest request;
        request.title = QStringLiteral("File Browse");
        request.filters = filters;
        request.defaultDirectory = folder;
        return request;
    }

    TempRoot m_root;
};
