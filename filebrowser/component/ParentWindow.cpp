#include "filebrowser/component/ParentWindow.h"

#include <QApplication>
#include <QWidget>

namespace kestrine {

QWidget* ownerWindow(std::uint32_t handle)
{
    if (handle != 0)
        if (QWidget* widget = QWidget::find(static_cast<WId>(handle)))
            return widget->window();
    return QApplication::activeWindow();
}

} // namespace kestrine
