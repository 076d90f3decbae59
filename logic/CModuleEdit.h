#pragma once
// The module editor's source box: a plain text box in which Tab types a tab and every key release
// counts as an edit.
#include <QPlainTextEdit>

class CModuleEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CModuleEdit(QWidget* parent = nullptr);

signals:
    void keyReleased();

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
};
