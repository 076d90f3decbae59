#pragma once
// The form view: the controls of a stored or automatic form over its records, the position label,
// and the record, filter and find commands. Everything the form does is its session's; the view
// builds a widget per control, mirrors what the session's controls show, and hands back what the
// user types, ticks, focuses and taps.
#include "forms/runtime/FormListener.h"
#include "forms/runtime/FormSession.h"
#include "reports/ui/DocumentPrinter.h"
#include "widgets/GridColours.h"

#include <QHash>
#include <QList>
#include <QWidget>

#include <memory>

class CAppContext;
class CFormControl;
class DatasheetFilter;
class QAction;
class QLabel;
class QMenuBar;
class QScrollArea;
class QToolBar;

class CAutoForm : public QWidget, private FormListener {
    Q_OBJECT
public:
    enum Command {
        NewRecord = 1,
        DeleteRecord,
        FirstRecord,
        PreviousRecord,
        NextRecord,
        LastRecord,
        GoToRecord,
        FilterIncluding,
        FilterExcluding,
        AdvancedFilter,
        RemoveFilter,
        SortAscending,
        SortDescending,
        Find,
        Close,
        // The record on show with what was typed, or every record of the form's source, on paper.
        PrintRecord,
        PrintAll,
        PreviewRecord,
        PreviewAll,
        ExportRecordPdf,
        ExportAllPdf
    };

    explicit CAutoForm(CAppContext& context, QWidget* parent = nullptr);
    ~CAutoForm() override;

    bool openForm(const QString& name);
    // A table, or a stored query written "Name(Q)".
    bool openAutoForm(const QString& source);

    void run(Command command);
    // Runs the macro once the view is on show, as when the database window runs a macro.
    void runMacroWhenShown(const QString& macroName);
    // Performs the hardware-key action of that number (the key options' action list).
    void performKeyAction(int action);

    FormSession& session() { return m_session; }
    QAction* commandAction(Command command) const { return m_actions.value(command); }
    // The widget of the session's control `index`; null for a control without one.
    CFormControl* controlWidget(int index) const { return m_widgets.value(index); }
    QLabel* positionLabel() const { return m_position; }
    QLabel* captionLabel() const { return m_caption; }
    QWidget* surface() const { return m_surface; }
    // What the print commands print: the record on show, every record.
    DocumentPrinter& recordPrinter() { return m_recordPrinter; }
    DocumentPrinter& allPrinter() { return m_allPrinter; }

signals:
    // The form was left; the frame shows the database window again.
    void closed();

protected:
    // Escape that no control took closes the form, as Close does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // FormListener
    void controlsCreated() override;
    void controlChanged(int control) override;
    void positionChanged() override;
    void focusControl(int control, bool selectAll) override;
    void formClosed() override;
    void findRequested() override;

    void buildCommands();
    void clearWidgets();
    void placeInContainers();
    void showFieldNames();
    void wire(CFormControl* widget, int index);
    void followFocus(QWidget* now);
    void showSurface();

    FormSession m_session;
    // The Table/Form colours of the options: an automatic form is drawn in them, a stored form keeps its
    // own and takes only the selection.
    GridColours m_colours;
    std::unique_ptr<DatasheetFilter> m_filter;
    QMenuBar* m_menus;
    QToolBar* m_strip;
    QLabel* m_position;
    QScrollArea* m_scroller;
    QWidget* m_surface;
    QLabel* m_caption;
    QList<CFormControl*> m_widgets;
    QList<QWidget*> m_decorations;
    QHash<int, QAction*> m_actions;
    bool m_mirroring = false;
    // The stored form's name, or the automatic form's source.
    QString m_formName;
    bool m_automatic = false;
    DocumentPrinter m_recordPrinter;
    DocumentPrinter m_allPrinter;
};
