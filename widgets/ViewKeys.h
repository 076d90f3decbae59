#pragma once
// The keys the views share: adding and deleting a record in the datasheet and in forms, and closing
// the view on show, as desktop programs use them.
#include <QKeySequence>
#include <QList>

// Ctrl++ first, as menus show it; then Ctrl+= (the plus key without Shift) and the keypad's plus.
QList<QKeySequence> addRecordKeys();
// Ctrl+- and the keypad's minus.
QList<QKeySequence> deleteRecordKeys();
// Ctrl+W; Escape closes a view too, but only when nothing inside it takes the key (an open cell does).
QKeySequence closeViewKey();
