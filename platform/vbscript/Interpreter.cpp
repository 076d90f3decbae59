#include "platform/vbscript/Interpreter.h"

#include "platform/vbscript/StackFloor.h"

namespace vbscript {

namespace {

// The stack a procedure's body may need before the next call checks again: expressions nested as deep as
// the parser allows, a host method's own work, and unwinding the error.
constexpr std::size_t kStackReserve = 1024 * 1024;

} // namespace

Interpreter::Interpreter() = default;

Interpreter::~Interpreter()
{
    m_ending = true;
    // Variables may hold the items; let them go first.
    m_globals.clear();
    m_globalConstants.clear();
    freeInstanceCycles();
    *m_link = nullptr;
    for (NamedItem& item : m_items)
        item.object->Release();
}

void Interpreter::releaseGlobals()
{
    m_depth = 0;
    m_stackFloor = stackFloor(kStackReserve);
    for (Variant& global : m_globals)
        Variant released = std::move(global);
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
    m_stackFloor = stackFloor(kStackReserve);
    execBlock(program.body, frame);
}

} // namespace vbscript
