#pragma once

#include "filebrowser/browser/BrowserRequest.h"
#include "filebrowser/browser/BrowserSession.h"

#include <QDialog>

class QAbstractItemView;
class QComboBox;
class QLineEdit;
class QListView;
class QPushButton;
class QStackedWidget;
class QStandardItemModel;
class QTreeView;

// Runs the chooser modally over owner (may be null) and returns the user's answer. Empty request texts
// are taken as they are; the caller fills in its defaults. While one chooser runs, another request
// returns at once with nothing chosen.
BrowserResult runBrowserDialog(const BrowserRequest& request, QWidget* owner);

// The chooser's window: shows the session's state and forwards every tap to it.
class BrowserDialog : public QDialog {
    Q_OBJECT
public:
    BrowserDialog(const BrowserRequest& request, QWidget* owner);

    const BrowserResult& answer() const { return m_session.result(); }
    const browser::BrowserSession& session() const { return m_session; }

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QSize openingSize() const;
    void connectControls();
    QList<QAbstractItemView*> views() const;
    template <typename Action>
    void act(Action action);
    template <typename Action>
    void actAndTell(Action action);
    void showRows();
    void fitNameColumn();
    void showBoxes();
    void showViewStyle();

    browser::BrowserSession m_session;
    QComboBox* m_pathBox = nullptr;
    QPushButton* m_upButton = nullptr;
    QPushButton* m_viewButton = nullptr;
    QStackedWidget* m_views = nullptr;
    QTreeView* m_details = nullptr;
    QListView* m_icons = nullptr;
    QStandardItemModel* m_model = nullptr;
    QLineEdit* m_fileNameBox = nullptr;
    QComboBox* m_filterBox = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    bool m_columnsSized = false;
};
