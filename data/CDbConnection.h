#pragma once
// The one shared engine connection of the process. Copies share the engine object; the connection is
// closed when the last copy goes, so an operation working on a copy of the application context never
// closes the connection under everybody else.
#include "platform/cedb/Engine.h"

#include <QString>

#include <memory>

class CDbConnection {
public:
    // Creates the engine connection with `provider` ("CEDB" when none is given) and opens it. Failures
    // leave a connection without engine object; recordsets made from it still work by file path.
    explicit CDbConnection(const QString& provider = QString());

    // The engine object, null when creation failed.
    std::shared_ptr<cedb::Connection> engine() const;

private:
    struct Handle;
    std::shared_ptr<Handle> m_handle;
};
