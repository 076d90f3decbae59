#pragma once
// An instance of a class the script defines: its variables, and its members reached by name through the
// automation calls (public members only) or straight from the interpreter that made it.
#include "platform/vbscript/Ast.h"
#include "platform/vbscript/ScriptObject.h"

namespace vbscript {

class ClassInstance final : public ScriptObject {
public:
    ClassInstance(InterpreterLink link, const ClassDef& definition)
        : ScriptObject(std::move(link)), fields(definition.firstValues), m_definition(definition)
    {
    }

    const ClassDef& definition() const { return m_definition; }

    HRESULT GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    Variant call(Interpreter& interpreter, DISPID id, WORD flags, const CallArguments& args,
                 const Variant* putValue) override;
    QString typeName() const override { return m_definition.spelling; }

    std::vector<Variant> fields;

private:
    ~ClassInstance() override;
    void lastReleased() override;

    const ClassDef& m_definition;
};

} // namespace vbscript
