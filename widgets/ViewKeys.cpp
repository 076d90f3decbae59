#include "widgets/ViewKeys.h"

QList<QKeySequence> addRecordKeys()
{
    return {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
            QKeySequence(Qt::CTRL | Qt::KeypadModifier | Qt::Key_Plus)};
}

QList<QKeySequence> deleteRecordKeys()
{
    return {QKeySequence(Qt::CTRL | Qt::Key_Minus), QKeySequence(Qt::CTRL | Qt::KeypadModifier | Qt::Key_Minus)};
}

QKeySequence closeViewKey() { return QKeySequence(Qt::CTRL | Qt::Key_W); }
