#pragma once
// "Edit Form": the form's name, the list of its controls with "FormProps" for the form itself, the
// chosen control's type and its properties in the grid, "Save", "Control Props" and Close. Every
// finished cell goes into the design at once, through the design's checks.
#include <QDialog>

class CCombinationGridCtrl;
class DatabaseFormStore;
class DesignCatalogue;
class FormDesign;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CEditFormDlg : public QDialog {
    Q_OBJECT
public:
    CEditFormDlg(FormDesign& design, const DesignCatalogue& catalogue, DatabaseFormStore& store,
                 QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return m_name; }
    QComboBox* controlList() const { return m_controls; }
    QLabel* typeLabel() const { return m_type; }
    CCombinationGridCtrl* grid() const { return m_grid; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* formPropsButton() const { return m_formProps; }
    QPushButton* closeButton() const { return m_close; }

    // Shows the properties of a control, or of the form for FormDesign::kFormTarget.
    void showTarget(int target);
    // Commits the open cell and saves under the typed name; true when the row was written.
    bool save();
    // Puts a value chosen in a window (a macro or module, a colour, a font) into the property of that row.
    void setHandler(int row, const QString& handler);

signals:
    // The design changed: the surface draws it again.
    void designChanged();

private:
    void commit(int row, int column, const QString& text);
    // The "..." of a row: "Choose Macro/Module" for an event, the colour chooser, the font dialog.
    void runBuilder(int row);
    void fillControlList();
    // "Control Props" goes from a control's page to the form's and from the form's back to the control
    // shown last, so that the button is also the way back.
    void switchPage();

    FormDesign& m_design;
    const DesignCatalogue& m_catalogue;
    DatabaseFormStore& m_store;
    QLineEdit* m_name;
    QComboBox* m_controls;
    QLabel* m_type;
    CCombinationGridCtrl* m_grid;
    QPushButton* m_save;
    QPushButton* m_formProps;
    QPushButton* m_close;
    int m_lastControl = -1;
    bool m_refreshing = false;
};
