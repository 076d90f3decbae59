#include "widgets/CColorChooser.h"

#include <QColorDialog>

QColor colorFromBgr(unsigned value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

unsigned bgrFromColor(const QColor& color)
{
    return unsigned(color.red()) | unsigned(color.green()) << 8 | unsigned(color.blue()) << 16;
}

unsigned chooseColor(unsigned current, QWidget* parent, const QString& title)
{
    QColorDialog dialog(colorFromBgr(current), parent);
    dialog.setObjectName(QStringLiteral("colorChooser"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted ? bgrFromColor(dialog.currentColor()) : current;
}
