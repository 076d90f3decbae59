#pragma once
// "Choose Macro/Module": the macros and the modules an event property may run, an empty entry that
// clears the property, and "CANCEL".
#include <QDialog>

#include <optional>

class QListWidget;
class QListWidgetItem;

class CChooseMacroDlg : public QDialog {
    Q_OBJECT
public:
    CChooseMacroDlg(const QStringList& macros, const QStringList& modules, QWidget* parent = nullptr);

    QListWidget* macroList() const { return m_macros; }
    QListWidget* moduleList() const { return m_modules; }
    // The chosen name, empty for the empty entry; nullopt while nothing is chosen.
    std::optional<QString> chosen() const { return m_chosen; }

    // Runs the window; nullopt when it was cancelled.
    static std::optional<QString> choose(const QStringList& macros, const QStringList& modules, QWidget* parent);

private:
    void take(QListWidgetItem* item);

    QListWidget* m_macros;
    QListWidget* m_modules;
    std::optional<QString> m_chosen;
};
