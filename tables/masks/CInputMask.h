#pragma once
// The input-mask dialog: the known masks with their samples, "Try It:" on the selected one, the
// placeholder and how the value is stored; New and Edit open "Create or Edit Input Mask".
#include "tables/masks/MaskChooser.h"

#include <QDialog>

class CGridCtrl;
class CMaskedEdit;
class QComboBox;
class QRadioButton;

class CInputMask : public QDialog {
    Q_OBJECT
public:
    CInputMask(const QString& property, QWidget* parent = nullptr);

    // The dialog over `parent` on a field's Input Mask text; the chosen text, nullopt when cancelled.
    static std::optional<QString> choose(const QString& property, QWidget* parent);

    MaskChooser& chooser() { return m_chooser; }
    CGridCtrl* list() const { return m_list; }
    CMaskedEdit* tryIt() const { return m_tryIt; }
    void editMask(bool isNew);

private:
    void fillList();
    void showChoice();

    MaskChooser m_chooser;
    CGridCtrl* m_list;
    CMaskedEdit* m_tryIt;
    QComboBox* m_placeholder;
    QRadioButton* m_withSymbols;
    QRadioButton* m_withoutSymbols;
};

// "Create or Edit Input Mask": a mask's description, the mask and a sample.
class CInputMaskEntryDlg : public QDialog {
    Q_OBJECT
public:
    CInputMaskEntryDlg(const MaskEntry& entry, QWidget* parent = nullptr);
    MaskEntry entry() const;

private:
    class QLineEdit* m_description;
    class QLineEdit* m_mask;
    class QLineEdit* m_sample;
};
