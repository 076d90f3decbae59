#pragma once
// A picture box: the picture file named by Picture on the stored background, centred or stretched.
#include "forms/controls/CFormControl.h"

class QLabel;
class QTimer;

class CFormPictureBox : public CFormControl {
    Q_OBJECT
public:
    // A press held this long is a tap and hold.
    static constexpr int kHoldMilliseconds = 700;

    CFormPictureBox(PropertySet properties, int index, QWidget* parent);

    QWidget* focusTarget() const override;
    QLabel* picture() const { return m_picture; }

protected:
    void applyKindProperties() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_picture;
    QTimer* m_hold;
};
