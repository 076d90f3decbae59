#pragma once
// The database window: the strip at the left, the current pane's lists beside it, the count labels
// under them. It shows the model and hands every tap to the commands object.
#include "app/shell/WindowLook.h"

#include <QWidget>

class DatabaseCommands;
class DatabaseWindowModel;
class ImageStrip;
class QLabel;
class QPlainTextEdit;
class QTreeWidget;

class CDBView : public QWidget {
    Q_OBJECT
public:
    CDBView(DatabaseWindowModel& model, DatabaseCommands& commands, int stripScale, QWidget* parent = nullptr);

    void applyLook(const WindowLook& look);
    // Redraws everything from the model.
    void refresh();

    ImageStrip* strip() const { return m_strip; }
    QTreeWidget* tablesList() const { return m_tables; }
    QTreeWidget* fieldsList() const { return m_fields; }
    // The widgets of the relations pane, shown only in that pane; the window takes ownership.
    void setRelationsPane(QWidget* pane);

signals:
    // After every redraw, so the frame can follow the pane with its command bar.
    void refreshed();

protected:
    // A double click on a list, or Enter, opens its item (see the constructor); Delete deletes it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTreeWidget* makeList(const QStringList& titles, const QList<int>& widths, const QString& name);
    QTreeWidget* objectList() const;
    void fillTables();
    void fillObjects();
    void updateVisibility();

    DatabaseWindowModel& m_model;
    DatabaseCommands& m_commands;
    ImageStrip* m_strip;
    QTreeWidget* m_tables;
    QTreeWidget* m_fields;
    QTreeWidget* m_forms;
    QTreeWidget* m_formDetail;
    QTreeWidget* m_queries;
    QTreeWidget* m_macros;
    QTreeWidget* m_modules;
    QPlainTextEdit* m_source;
    QLabel* m_recordCountCaption;
    QLabel* m_recordCount;
    QLabel* m_fieldCountCaption;
    QLabel* m_fieldCount;
    QWidget* m_relations;
    bool m_refreshing = false;
};
