#pragma once
// "MyObject", the one named item every script sees: the system's own expression functions and the
// operations on the form that is open. Methods carry the dispatch ids 1 to 41 in the order below.
#include "platform/automation/interfaces.h"

#include <QString>

#include <cstdint>

class CEvalExpr {
public:
    CEvalExpr();
    ~CEvalExpr();
    CEvalExpr(const CEvalExpr&) = delete;
    CEvalExpr& operator=(const CEvalExpr&) = delete;

    // The automation face handed to the engine; this object keeps one reference for its lifetime.
    IDispatch* GetIDispatch() const { return m_dispatch; }
    bool formOpened() const { return m_formOpened != 0; }

    void ShowResult(const QString& text);
    void OpenForm(const QString& name, std::int16_t mode);
    void CloseForm(const QString& prompt);
    void NextRecord();
    void PreviousRecord();
    void FirstRecord();
    void LastRecord();
    void ApplyFilter(const QString& queryName, const QString& condition);
    void RemoveAllFilters();
    void Requery(const QString& controlName);
    void Quit(bool prompt);
    void FindNext();
    bool Find(const QString& findWhat, bool matchWord, bool matchCase, const QString& search, const QString& field,
              std::int32_t start);
    void PlaySound(const QString& path, const QString& location);
    void RefreshList(const QString& controlName);
    void SetFocus(const QString& controlName);
    bool SetFieldValue(const QString& controlName, const QString& newValue);
    bool MoveTo(std::int32_t record);
    void Message(const QString& text);
    void DeleteRecord(bool prompt);
    void AddRecord(bool prompt);
    void SaveRecord(bool prompt);

private:
    IDispatch* m_dispatch;
    int m_formOpened = 0;
};
