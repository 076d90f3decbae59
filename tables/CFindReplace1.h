#pragma once
// The find dialog over an open datasheet: the text to find and its replacement, the field to search, the
// direction, "Match Case" and "Whole Word", and Find Next, Replace, Replace All and Close.
#include "tables/FindReplace.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

class CFindReplace1 : public QDialog {
    Q_OBJECT
public:
    CFindReplace1(FilterTarget& target, QWidget* parent = nullptr);

    QLineEdit* findEdit() const { return m_find; }
    QLineEdit* replaceEdit() const { return m_replace; }
    QComboBox* fieldList() const { return m_field; }
    QComboBox* directionList() const { return m_direction; }
    QCheckBox* matchCaseBox() const { return m_matchCase; }
    QCheckBox* wholeWordBox() const { return m_wholeWord; }

    void findNext();
    void replace();
    // Over many records a progress box comes up whose Cancel leaves every record as it was.
    void replaceAll();

private:
    FindReplace::Request request() const;

    FindReplace m_engine;
    QLineEdit* m_find;
    QLineEdit* m_replace;
    QComboBox* m_field;
    QComboBox* m_direction;
    QCheckBox* m_matchCase;
    QCheckBox* m_wholeWord;
};
