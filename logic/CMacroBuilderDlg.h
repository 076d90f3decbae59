#pragma once
// The macro editor (template 239, "Macro Builder"): the macro's name, its actions row by row with their
// descriptions, and the current row's arguments with their values. What happens is MacroEditor's; this
// dialog shows its rows and hands over what the user picks, types and taps.
#include "logic/MacroEditor.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLineEdit;
class QTableWidget;

class CMacroBuilderDlg : public QDialog {
    Q_OBJECT
public:
    // Picks a sound file for Play Sound; empty when the user cancelled.
    using SoundChooser = std::function<QString(QWidget* parent)>;
    // Composes an expression from `text`; nullopt when the user cancelled.
    using ExpressionComposer = std::function<std::optional<QString>(QWidget* parent, const QString& text)>;

    // A new macro when `macroName` is empty, else the named one.
    CMacroBuilderDlg(CAppContext& context, const QString& macroName, SoundChooser chooseSound,
                     QWidget* parent = nullptr);

    // The expression builder by default; tests put in their own.
    void setExpressionComposer(ExpressionComposer composer) { m_compose = std::move(composer); }

    QLineEdit* nameBox() const { return m_name; }
    QTableWidget* actionGrid() const { return m_actions; }
    QTableWidget* argumentGrid() const { return m_arguments; }
    const MacroEditor& editor() const { return m_editor; }

    void insertRow();
    void removeRow();
    void moveRow(int step);
    void save();
    // Asks about unsaved changes first.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showRows();
    void showArguments();
    void actionChosen(int row, const QString& action);
    void valueTyped(int row, int column);
    void valueTapped(int row, int column);
    void nameLeft();
    int currentRow() const;

    MacroEditor m_editor;
    SoundChooser m_chooseSound;
    ExpressionComposer m_compose;
    QLineEdit* m_name;
    QTableWidget* m_actions;
    QTableWidget* m_arguments;
    bool m_showing = false;
};
