#pragma once
// What the module editor does with a module's catalogue row: reading it, saving it (new or existing),
// and the question on closing. The view only shows the boxes and hands their texts over.
#include "data/CAppContext.h"
#include "data/CDbRecordset.h"

#include <QString>

#include <memory>

class ModuleEditor {
public:
    explicit ModuleEditor(CAppContext& context);
    ~ModuleEditor();

    // Reads the named module and stays on its row, so that saving rewrites it (a changed name renames
    // the module). False, after telling the user, when the row cannot be read; the editor then makes
    // a new module.
    bool open(const QString& name);
    const QString& name() const { return m_name; }
    const QString& source() const { return m_source; }

    bool isNew() const { return m_new; }
    bool isModified() const { return m_modified; }
    void markModified() { m_modified = true; }

    // Saves when something changed; false when the texts were refused or the row could not be written.
    bool save(const QString& name, const QString& source);
    // Asks whether to save a changed module first; false when the editor must stay open.
    bool close(const QString& name, const QString& source);

private:
    bool addRow();

    CAppContext& m_context;
    std::unique_ptr<CDbRecordset> m_row;
    QString m_name;
    QString m_source;
    bool m_new = true;
    bool m_modified = false;
};
