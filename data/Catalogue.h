#pragma once
// The seven catalogue tables the system keeps in every database beside the engine's own catalogue.
#include <QString>
#include <QStringList>

#include <vector>

struct CatalogueTable {
    QString name;
    // CREATE TABLE first, then its CREATE INDEX statements.
    QStringList statements;
};

// In the order they are created.
const std::vector<CatalogueTable>& catalogueTables();

// A user table is any table whose name contains neither "MSys" nor "XNSys" (case matters).
bool isUserTable(const QString& name);
