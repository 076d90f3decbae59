#pragma once
// The General options page without its widgets: which key each control writes the moment it changes,
// and the messages the page shows. The page opens on what the profile holds.
#include "app/options/ColourOption.h"
#include "data/CAppContext.h"

#include <QList>
#include <QString>

#include <functional>

class GeneralOptionsModel {
public:
    // `reassociate` ties .cdb files to the program again; false when it could not.
    explicit GeneralOptionsModel(std::function<bool()> reassociate) : m_reassociate(std::move(reassociate)) {}

    static const QList<ColourOption>& colours();
    static GeneralOptions shown();

    void dateStyleChosen(int position);
    void languageChosen(int position);
    // The folder box was left, or a folder was chosen with the browser.
    void folderChanged(const QString& folder);
    void openMostRecentToggled(bool checked);
    // "Go": writes the association and says whether it worked.
    void reassociate();
    // Writes PassWordReq; the stored password stays. The password box and "Change" are enabled while
    // it is checked.
    void requirePasswordToggled(bool checked);
    void passwordLeft(const QString& password);
    // The Change Password dialog's OK; true when the password was changed.
    static bool changePassword(const QString& entered, const QString& confirmed);

    // OK in the sheet: the password box becomes the password and the context takes every setting again.
    static void sheetAccepted(const QString& password, CAppContext& context);

private:
    std::function<bool()> m_reassociate;
};
