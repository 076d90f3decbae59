#pragma once
// The module editor's source box: a plain text box in which Tab types a tab and every key typed in it
// counts as an edit when it is released.
#include <QPlainTextEdit>

class CModuleEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CModuleEdit(QWidget* parent = nullptr);

signals:
    void keyReleased();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // A release whose press went elsewhere (the key that closed a message box) is no edit.
    bool m_keyDown = false;
};
