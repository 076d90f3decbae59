#pragma once
// The KeyOptions page: the Enter key's move, where the cursor goes on entering a field, the arrows, and
// the action each hardware key performs.
#include "app/options/KeyOptionsModel.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QTreeWidget;

class CKeyOptions : public QWidget {
    Q_OBJECT
public:
    // `actionNames` are the context's hardware-key actions, action n at index n.
    explicit CKeyOptions(const QStringList& actionNames, QWidget* parent = nullptr);

    QTreeWidget* keyList() const { return m_keys; }

private:
    void showRows();
    void showSelectedAction();

    KeyOptionsModel m_model;
    QCheckBox* m_nextField;
    QCheckBox* m_nextCharacter;
    QComboBox* m_actions;
    QTreeWidget* m_keys;
};
