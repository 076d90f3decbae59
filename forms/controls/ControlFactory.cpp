#include "forms/controls/ControlFactory.h"

#include "forms/controls/CFormButton.h"
#include "forms/controls/CFormComboBox.h"
#include "forms/controls/CFormDateTime.h"
#include "forms/controls/CFormEdit.h"
#include "forms/controls/CFormGridCtrl.h"
#include "forms/controls/CFormGroupBox.h"
#include "forms/controls/CFormList.h"
#include "forms/controls/CFormListCtrl.h"
#include "forms/controls/CFormPictureBox.h"
#include "forms/controls/CFormShapeCtrl.h"
#include "forms/controls/CFormStatic.h"
#include "forms/controls/CFormTabCtrl.h"

CFormControl* CreateFormControl(const PropertySet& properties, int index, QWidget* parent)
{
    switch (properties.kind) {
    case ControlKind::TextBox: return new CFormEdit(properties, index, parent);
    case ControlKind::Label: return new CFormStatic(properties, index, parent);
    case ControlKind::CommandButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: return new CFormButton(properties, index, parent);
    case ControlKind::ComboBox: return new CFormComboBox(properties, index, parent);
    case ControlKind::ListBox: return new CFormList(properties, index, parent);
    case ControlKind::GridControl: return new CFormGridCtrl(properties, index, parent);
    case ControlKind::TabControl: return new CFormTabCtrl(properties, index, parent);
    case ControlKind::DateTime: return new CFormDateTime(properties, index, parent);
    case ControlKind::PictureBox: return new CFormPictureBox(properties, index, parent);
    case ControlKind::Shape: return new CFormShapeCtrl(properties, index, parent);
    case ControlKind::ListControl: return new CFormListCtrl(properties, index, parent);
    case ControlKind::GroupBox: return new CFormGroupBox(properties, index, parent);
    default: return nullptr;
    }
}
