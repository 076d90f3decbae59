#pragma once
// Controls that stand in a tab control's page or a group box live inside that page or box, so that they
// show, hide and move with it.
class QWidget;

// The widget that holds the controls placed in `container` on `page`: the tab control's page or the group
// box's inside; null when `container` is no container.
QWidget* holderOf(QWidget* container, int page);

// Moves `control` into `holder` at the same coordinates; false when there is nothing to move.
bool placeInside(QWidget* control, QWidget* holder);
