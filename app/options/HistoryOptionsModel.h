#pragma once
// The History options page without its widgets: how much history a database keeps, and Clear History.
#include <QString>

class CAppContext;

class HistoryOptionsModel {
public:
    struct Shown {
        int keepDays = 0;      // 0: any age
        int keepMegabytes = 0; // 0: any size
    };
    static Shown shown();
    static void keepDaysChanged(int days);
    static void keepMegabytesChanged(int megabytes);
    // Asks first; forgets every step of the open database's history. The message says what happened.
    static void clearHistory(const CAppContext& context);
};
