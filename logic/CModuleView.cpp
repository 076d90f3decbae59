#include "logic/CModuleView.h"

#include "logic/CModuleEdit.h"
#include "logic/ModuleFunctions.h"
#include "widgets/ViewKeys.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

CModuleView::CModuleView(CAppContext& context, const QString& moduleName, QWidget* parent)
    : QWidget(parent), m_editor(context), m_bar(new QToolBar(this)), m_name(new QLineEdit(this)),
      m_source(new CModuleEdit(this)), m_functions(new QComboBox(this)), m_description(new QLabel(this))
{
    setObjectName(QStringLiteral("moduleView"));
    setWindowTitle(QStringLiteral("Module"));
    m_name->setObjectName(QStringLiteral("moduleName"));
    m_source->setObjectName(QStringLiteral("moduleSource"));
    m_functions->setObjectName(QStringLiteral("functionList"));
    m_description->setObjectName(QStringLiteral("functionDescription"));
    buildCommandBar();

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Module Name:"), this));
    nameRow->addWidget(m_name, 1);
    // The button has never had an action; it stays for the look of the view.
    nameRow->addWidget(new QPushButton(QStringLiteral("Change"), this));

    auto* functionRow = new QHBoxLayout;
    functionRow->addWidget(new QLabel(QStringLiteral("Function:"), this));
    functionRow->addWidget(m_functions, 1);
    for (const ModuleFunction& function : moduleFunctions())
        m_functions->addItem(function.entry);
    m_functions->setCurrentIndex(-1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->addWidget(m_bar);
    layout->addLayout(nameRow);
    layout->addWidget(m_source, 1);
    layout->addLayout(functionRow);
    layout->addWidget(m_description);

    if (!moduleName.isEmpty() && m_editor.open(moduleName)) {
        m_name->setText(m_editor.name());
        if (!m_editor.source().isEmpty())
            m_source->setPlainText(m_editor.source());
    }
    // A new module starts with its name, an existing one with its source.
    setFocusProxy(m_editor.isNew() ? static_cast<QWidget*>(m_name) : m_source);
    connect(m_source, &CModuleEdit::keyReleased, this, [this] { m_editor.markModified(); });
    connect(m_functions, &QComboBox::activated, this, &CModuleView::showFunction);
}

void CModuleView::buildCommandBar()
{
    m_bar->setObjectName(QStringLiteral("moduleBar"));
    m_bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto add = [this](int id, const QString& text, auto handler) {
        QAction* action = m_bar->addAction(text, this, handler);
        action->setData(id);
        return action;
    };
    add(kSave, QStringLiteral("Save"), [this] { save(); })->setShortcut(QKeySequence::Save);
    add(kClose, QStringLiteral("Close"), [this] { closeView(); })->setShortcut(closeViewKey());
    m_bar->addSeparator();
    // The edit commands act on the source box only while it has the focus.
    add(kCut, QStringLiteral("Cut"), [this] { if (m_source->hasFocus()) m_source->cut(); });
    add(kCopy, QStringLiteral("Copy"), [this] { if (m_source->hasFocus()) m_source->copy(); });
    add(kPaste, QStringLiteral("Paste"), [this] { if (m_source->hasFocus()) m_source->paste(); });
}

QAction* CModuleView::commandAction(int commandId) const
{
    for (QAction* action : m_bar->actions())
        if (action->data().toInt() == commandId)
            return action;
    return nullptr;
}

void CModuleView::showFunction(int index)
{
    if (index < 0 || index >= int(moduleFunctions().size()))
        return;
    m_description->setText(moduleFunctions()[std::size_t(index)].description);
    m_editor.markModified();
}

void CModuleView::save()
{
    if (m_editor.isModified() && m_editor.save(m_name->text(), m_source->toPlainText()))
        m_name->setText(m_editor.name());
}

void CModuleView::closeView()
{
    if (close())
        emit closed();
}

void CModuleView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        closeView();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CModuleView::closeEvent(QCloseEvent* event)
{
    if (m_editor.close(m_name->text(), m_source->toPlainText()))
        event->accept();
    else
        event->ignore();
}
