#include "platform/vbscript/Interpreter.h"

namespace vbscript {

Interpreter::Interpreter() = default;

Interpreter::~Interpreter()
{
    // Variables may hold the items; let them go first.
    m_globals.clear();
    m_globalConstants.clear();
    for (NamedItem& item : m_items)
        item.object->Release();
}

void Interpreter::addNamedItem(const QString& name, IDispatch* object, bool globalMembers)
{
    object->AddRef();
    m_items.push_back({name.toLower(), object, globalMembers});
}

void Interpreter::run(const Program& program)
{
    Frame frame;
    m_depth = 0;
    execBlock(program.body, frame);
}

} // namespace vbscript
