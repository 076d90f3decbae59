#include "forms/controls/CFormPictureBox.h"

#include "platform/device/DevicePath.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QTimer>

CFormPictureBox::CFormPictureBox(PropertySet properties, int index, QWidget* parent)
    : CFormControl(std::move(properties), index, parent), m_picture(new QLabel(this)), m_hold(new QTimer(this))
{
    setBody(m_picture);
    m_hold->setSingleShot(true);
    m_hold->setInterval(kHoldMilliseconds);
    connect(m_hold, &QTimer::timeout, this, [this] { raise("OnTapAndHold"); });
    watch(m_picture, "OnClick");
    applyProperties();
}

QWidget* CFormPictureBox::focusTarget() const { return m_picture; }

void CFormPictureBox::applyKindProperties()
{
    const QString file = property("Picture");
    const QString host = file.isEmpty() ? QString() : device::toHostPath(file).value_or(QString());
    m_picture->setPixmap(host.isEmpty() ? QPixmap() : QPixmap(host));
    m_picture->setScaledContents(isYes("Stretch"));
    m_picture->setAlignment(isYes("Center") ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
    m_picture->setFrameShape(isYes("Border Style") ? QFrame::Box : QFrame::NoFrame);
}

bool CFormPictureBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_picture) {
        if (event->type() == QEvent::MouseButtonPress)
            m_hold->start();
        else if (event->type() == QEvent::MouseButtonRelease)
            m_hold->stop();
        else if (event->type() == QEvent::MouseButtonDblClick)
            raise("OnDoubleClick");
    }
    return CFormControl::eventFilter(watched, event);
}
