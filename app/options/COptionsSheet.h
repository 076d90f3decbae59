#pragma once
// The Options property sheet: General, Table/Form and KeyOptions. Each page writes its keys as its
// controls change; OK also stores the password box, reloads the settings into the context and has the
// database window show them. Cancel keeps what was written but leaves the context as it was.
#include "app/options/OptionsServices.h"

#include <QDialog>

class CAppContext;
class CGeneral;
class QTabWidget;

class COptionsSheet : public QDialog {
    Q_OBJECT
public:
    COptionsSheet(CAppContext& context, OptionsServices services, QWidget* parent = nullptr);

    QTabWidget* pages() const { return m_pages; }
    void accept() override;

private:
    CAppContext& m_context;
    OptionsServices m_services;
    QTabWidget* m_pages;
    CGeneral* m_general;
};
