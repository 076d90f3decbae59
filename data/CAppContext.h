#pragma once
// The process-wide context: the open database, the shared connection, the names of the hardware-key
// actions and the options loaded from the profile. Copies share the connection and the open database,
// so an operation holding a copy stays valid when the database is closed meanwhile.
#include "data/CDbConnection.h"
#include "data/COpenDatabase.h"
#include "data/KeyAction.h"

#include <QString>

#include <array>
#include <memory>

struct GeneralOptions {
    QString Font;
    QString FontSize;
    int Default_Date_Style = 0;
    int Default_Language = 0;
    QString DefaultDatabase;
    QString PassWord;
    int FontColor = 0;
    int BackGroundColor = 0;
    int ListColor = 0;
    int OpenMostRecentDB = 0;
    int PassWordReq = 0;
    int Italic = 0;
    int Underline = 0;
    int Strikethrough = 0;
    int Bold = 0;
};

struct TableFormOptions {
    QString Font;
    QString FontSize;
    int FontColor = 0;
    int BackGround = 0;
    int CellColor = 0;
    int OnSelectionColor = 0;
    int GridLineColor = 0;
    int SortByFieldOrder = 0;
    QString ColumnSize;
    int Bold = 0;
    int Italic = 0;
    int Strikethrough = 0;
    int Underline = 0;
    int ConfirmOnAdding = 0;
    int ConfirmOnDeleting = 0;
};

class CAppContext {
public:
    static constexpr int kKeyActionSlots = 27;
    static constexpr int kKeyActionCount = keyaction::Count;

    CAppContext();

    // Null when no database is open.
    std::shared_ptr<COpenDatabase> openDatabase;
    CDbConnection connection;
    // Index n is the hardware-key action number n stored under KEY_OPTIONS; slots past 24 stay empty.
    std::array<QString, kKeyActionSlots> keyActionNames;
    GeneralOptions general;
    TableFormOptions tableForm;
    bool languageLibraryLoaded = false;
    // The database the shell asked to open at start (a tapped .cdb file or the command line).
    QString startupDatabasePath;

    // The open database's path, empty when none is open.
    QString databasePath() const { return openDatabase ? openDatabase->GetPath() : QString(); }
};
