#pragma once
// "Sub Forms": the subforms of the form with their record sources. "Assign" gives the subform named
// (chosen in the list or typed as a new name) the chosen source.
#include <QDialog>

class FormDesign;
class QLineEdit;
class QListWidget;

class CSubFormsDlg : public QDialog {
    Q_OBJECT
public:
    CSubFormsDlg(FormDesign& design, const QStringList& sources, QWidget* parent = nullptr);

    QListWidget* subformList() const { return m_subforms; }
    QListWidget* sourceList() const { return m_sources; }
    QLineEdit* nameEdit() const { return m_name; }
    // False, with the message shown, when the name may not name a subform or no source is chosen.
    bool assign();

private:
    void fill();

    FormDesign& m_design;
    QListWidget* m_subforms;
    QListWidget* m_sources;
    QLineEdit* m_name;
};
