#pragma once
#include "app/shell/Pane.h"

#include <QWidget>

// The pane selector at the left of the database window: shows the current pane's picture and reports
// where a tap was released, in the picture's own pixels.
class ImageStrip : public QWidget {
    Q_OBJECT
public:
    ImageStrip(int scale, QWidget* parent = nullptr);
    void showPane(Pane pane);

signals:
    void tapped(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_scale;
    Pane m_pane = Pane::Tables;
};
