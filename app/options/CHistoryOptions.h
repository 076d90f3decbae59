#pragma once
// The History page of the options sheet.
#include <QWidget>

class CAppContext;

class CHistoryOptions : public QWidget {
    Q_OBJECT
public:
    explicit CHistoryOptions(const CAppContext& context, QWidget* parent = nullptr);
};
