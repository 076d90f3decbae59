#pragma once
// The Table/Form colours of the options as the datasheet and the forms paint them. A colour still at its
// default counts as not chosen, so that a window keeps the desktop's light or dark colours until the
// user picks one.
#include "widgets/GridColours.h"

struct TableFormOptions;

GridColours tableFormColours(const TableFormOptions& options);
