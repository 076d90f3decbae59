#pragma once
// The form designer's view: the toolbox, the surface with the controls, the menus of the design
// commands, and the "Edit Form" window with the property grid. What each command does is the
// design's (FormDesign); the view runs it and draws the result.
#include "forms/designer/DesignCatalogue.h"
#include "forms/designer/FormDesign.h"
#include "forms/format/DatabaseFormStore.h"

#include <QHash>
#include <QWidget>

class CAppContext;
class DesignSurface;
class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QToolBar;

class CNewFormView : public QWidget {
    Q_OBJECT
public:
    // The commands of the designer's menus, besides the toolbox.
    enum Command {
        AlignLefts = 1, AlignCenters, AlignRights, AlignTops, AlignMiddles, AlignBottoms,
        SameWidth, SameHeight, SameBoth,
        Copy, Cut, Paste, Delete, DeleteAll, Properties, Undo, Redo,
        SendToBack, SendBack, BringForward, BringToFront,
        CentreHorizontally, CentreVertically,
        NudgeLeft, NudgeRight, NudgeUp, NudgeDown,
        ChangeFont, FontColor, BackgroundColor, ForegroundColor,
        EditSubforms, MainForm, CloseForm, Exit, SaveForm
    };

    explicit CNewFormView(CAppContext& context, QWidget* parent = nullptr);

    // A new form over the source chosen in "Form Source".
    void startNew(const QString& tableSource, bool autoForm);
    // A stored form; false when the database has no form of that name.
    bool editForm(const QString& name);

    void run(Command command);
    // Chooses the toolbox's tool: a control kind, ControlKind::Line, or the selection tool (-1).
    void chooseTool(int kind);

    FormDesign& design() { return m_design; }
    const DesignCatalogue& catalogue() const { return m_catalogue; }
    DesignSurface* surface() const { return m_surface; }
    QAction* commandAction(Command command) const { return m_actions.value(command); }
    // The toolbox button of a kind (ControlKind::Line for the line).
    QAction* toolAction(int kind) const { return m_tools.value(kind); }
    // Asks to save a form that was never saved or changed since; true when the view may go.
    bool closeForm();

signals:
    // The designer was left; the frame shows the database window again.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape that nothing inside took closes the designer, asking as Close Form does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildToolbox();
    void buildMenus();
    void openProperties();
    // A form with a name is stored under it; a new one needs its name, which the properties ask for.
    void saveForm();
    void editSubforms();
    void fillSubformMenu();
    void chooseFont();
    // The chooser opens on the reference control's colour; the choice goes to every selected control.
    void chooseColour(const QString& property);
    void changed();
    void updateCommands();

    CAppContext& m_context;
    DesignCatalogue m_catalogue;
    DatabaseFormStore m_store;
    FormDesign m_design;
    QMenuBar* m_menus;
    QToolBar* m_toolbox;
    QActionGroup* m_toolGroup;
    DesignSurface* m_surface;
    QMenu* m_subformMenu = nullptr;
    QHash<Command, QAction*> m_actions;
    QHash<int, QAction*> m_tools;
    bool m_closing = false;
};
