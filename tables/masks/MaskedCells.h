#pragma once
// Grid cells edited through an input mask: the grid's own editors stay for every other cell.
#include <QString>

class CGridCtrl;

namespace maskedcells {

// Lets the grid open a masked edit on the cells given a mask; once per grid.
void install(CGridCtrl& grid);
// The Input Mask property text the cell is edited through; empty for the grid's own editor. A masked
// cell's edit ends with its text shaped by the mask, as InputMask::storedOfCell reads it.
void setMask(CGridCtrl& grid, int row, int column, const QString& property);

} // namespace maskedcells
