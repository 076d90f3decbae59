#pragma once
// The module editor view: the module's name, its source, the list of what "MyObject" offers, and the
// Save, Close, Cut, Copy and Paste commands. What the commands do is ModuleEditor's.
#include "logic/ModuleEditor.h"

#include <QWidget>

class CModuleEdit;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolBar;

class CModuleView : public QWidget {
    Q_OBJECT
public:
    // Command ids of the view's own bar.
    static constexpr int kSave = 1000;
    static constexpr int kClose = 1005;
    static constexpr int kCut = 57635;
    static constexpr int kCopy = 57634;
    static constexpr int kPaste = 57637;

    // A new module when `moduleName` is empty, else the named one.
    CModuleView(CAppContext& context, const QString& moduleName, QWidget* parent = nullptr);

    QLineEdit* nameBox() const { return m_name; }
    CModuleEdit* sourceBox() const { return m_source; }
    QComboBox* functionList() const { return m_functions; }
    QLabel* descriptionLine() const { return m_description; }
    QAction* commandAction(int commandId) const;
    const ModuleEditor& editor() const { return m_editor; }

    void save();
    // Asks about unsaved changes; emits closed() unless the view must stay.
    void closeView();

signals:
    // The user is done with the editor; the frame shows the database window again.
    void closed();

protected:
    // Closing the view (the main window is closing) asks about unsaved changes as Close does.
    void closeEvent(QCloseEvent* event) override;
    // Escape that the source box did not take closes the editor, asking as Close does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildCommandBar();
    void showFunction(int index);

    ModuleEditor m_editor;
    QToolBar* m_bar;
    QLineEdit* m_name;
    CModuleEdit* m_source;
    QComboBox* m_functions;
    QLabel* m_description;
};
