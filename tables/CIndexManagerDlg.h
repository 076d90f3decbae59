#pragma once
// The index manager's window: the command bar, the list of the table's indexes and the editing area.
#include "tables/IndexManager.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

class CIndexManagerDlg : public QDialog {
    Q_OBJECT
public:
    CIndexManagerDlg(CAppContext& context, const QString& table, QWidget* parent = nullptr);

    // Loads the table's indexes and shows the window modally; nothing opens when they cannot be read.
    static void run(QWidget* parent, CAppContext& context, const QString& table);

    IndexManager& manager() { return m_manager; }
    bool load();
    QTreeWidget* list() const { return m_list; }
    QLineEdit* nameEdit() const { return m_name; }
    QComboBox* fieldChoice() const { return m_field; }
    QCheckBox* descBox() const { return m_desc; }

    void addIndex();
    void deleteIndex();
    void saveIndexFlags();
    void moveIndexUp();
    void moveIndexDown();

    void done(int result) override;

private:
    void refresh(int selectedRow);
    int selectedRow() const;
    IndexOptions ticked() const;

    IndexManager m_manager;
    QTreeWidget* m_list;
    QLineEdit* m_name;
    QComboBox* m_field;
    QCheckBox* m_nullFirst;
    QCheckBox* m_caseSensitive;
    QCheckBox* m_desc;
    QLabel* m_progress;
};
