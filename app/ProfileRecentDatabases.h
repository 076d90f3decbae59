#pragma once
#include "app/shell/ShellServices.h"

// The recent-database list kept in the profile by the framework (four entries).
class ProfileRecentDatabases : public RecentDatabases {
public:
    QStringList entries() const override;
    void add(const QString& path) override;
    void remove(int index) override;
};
