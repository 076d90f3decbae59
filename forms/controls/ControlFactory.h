#pragma once
// The control class of each kind, made from its PropertySet.
#include "forms/format/PropertySet.h"

class CFormControl;
class QWidget;

// Null for kinds no class realises: lines, list views, the form's own record and unknown kinds.
CFormControl* CreateFormControl(const PropertySet& properties, int index, QWidget* parent);
