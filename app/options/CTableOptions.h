#pragma once
// The Table/Form options page: font and colours of the datasheet and forms, the default column size,
// sorting by header, the confirmations and automatic captions.
#include <QWidget>

class CTableOptions : public QWidget {
    Q_OBJECT
public:
    explicit CTableOptions(QWidget* parent = nullptr);
};
