#pragma once
// "Form Source": the record source of a new form (tables, then "(Q)" queries) and whether the designer
// starts with one control per field ("AutoForm") or an empty surface ("CustomForm", the usual choice).
#include <QDialog>

class QListWidget;
class QRadioButton;

class CFormSourceDlg : public QDialog {
    Q_OBJECT
public:
    CFormSourceDlg(const QStringList& sources, QWidget* parent = nullptr);

    // Empty when no entry is chosen: the form has no record source.
    QString source() const;
    bool autoForm() const;
    QListWidget* sourceList() const { return m_sources; }
    QRadioButton* autoFormButton() const { return m_autoForm; }

private:
    QListWidget* m_sources;
    QRadioButton* m_autoForm;
    QRadioButton* m_customForm;
};
