// Class ... End Class: variables (Dim, Public, Private; arrays fixed or dynamic), Subs, Functions and properties,
// each Public unless declared Private; one Function, Sub or Property Get may be the Default member.
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/ParserCore.h"

namespace vbscript::parser {

namespace {

CompileError redefined(const Token& name)
{
    return CompileError{error::NameRedefined, name.line, name.column};
}

} // namespace

std::unique_ptr<ClassDef> Parser::classDefinition()
{
    auto result = std::make_unique<ClassDef>();
    const Token& name = peek();
    result->name = plainName()->name;
    result->spelling = name.spelling;
    endOfStatement();
    m_inClass = true;
    for (;;) {
        while (peek().kind == TokenKind::LineEnd || peek().kind == TokenKind::Colon)
            next();
        if (acceptName("end")) {
            m_inClass = false;
            expectName("class", error::ExpectedClass);
            endOfStatement();
            return result;
        }
        if (peek().kind == TokenKind::End)
            fail(error::ExpectedEnd);
        classMember(*result);
    }
}

ClassMember& Parser::memberNamed(ClassDef& definition, const Token& name, bool isPublic)
{
    if (definition.memberIndex.contains(name.text))
        throw redefined(name);
    ClassMember member;
    member.name = name.text;
    member.isPublic = isPublic;
    member.id = DISPID(definition.members.size() + 1);
    definition.memberIndex.insert(name.text, int(definition.members.size()));
    definition.members.push_back(member);
    return definition.members.back();
}

void Parser::classMember(ClassDef& definition)
{
    const bool isPrivate = acceptName("private");
    const bool declared = isPrivate || acceptName("public");
    const bool isDefault = declared && !isPrivate && acceptName("default");
    Form form;
    if (acceptName("sub")) {
        form = Form::Sub;
    } else if (acceptName("function")) {
        form = Form::Function;
    } else if (acceptName("property")) {
        if (acceptName("get"))
            form = Form::PropertyGet;
        else if (acceptName("let"))
            form = Form::PropertyLet;
        else if (acceptName("set"))
            form = Form::PropertySet;
        else
            fail(error::ExpectedPropertyKind);
    } else {
        if (isDefault || (!declared && !acceptName("dim")))
            fail(error::ExpectedStatement);
        do {
            const Token& name = peek();
            DeclarationStmt::Variable variable;
            variable.name = plainName();
            if (acceptSymbol("(")) {
                variable.isArray = true;
                if (!acceptSymbol(")")) {
                    do
                        variable.bounds.push_back(expression());
                    while (acceptSymbol(","));
                    expectSymbol(")", error::ExpectedCloseParen);
                }
            }
            memberNamed(definition, name, !isPrivate).field = int(definition.fieldDeclarations.size());
            definition.fieldDeclarations.push_back(std::move(variable));
        } while (acceptSymbol(","));
        endOfStatement();
        return;
    }
    const Token& name = peek();
    std::unique_ptr<Procedure> procedure = this->procedure(form);
    procedure->owner = &definition;
    const std::size_t arguments = procedure->parameters.size();
    if (form == Form::PropertyLet || form == Form::PropertySet) {
        if (arguments == 0)
            throw CompileError{error::PropertyWithoutArgument, name.line, name.column};
    }
    const bool isProperty = form != Form::Sub && form != Form::Function;
    ClassMember* member = nullptr;
    if (isProperty && definition.memberIndex.contains(name.text)) {
        member = &definition.members[std::size_t(definition.memberIndex.value(name.text))];
        if (member->field >= 0 || member->method)
            throw redefined(name);
        member->isPublic = member->isPublic || !isPrivate;
    } else {
        member = &memberNamed(definition, name, !isPrivate);
    }
    const Procedure*& slot = form == Form::PropertyGet   ? member->get
                             : form == Form::PropertyLet ? member->let
                             : form == Form::PropertySet ? member->set
                                                         : member->method;
    if (slot)
        throw redefined(name);
    slot = procedure.get();
    // A property's Let and Set take the value after the arguments its Get takes.
    const Procedure* assigning = member->let ? member->let : member->set;
    if (member->get && assigning && member->get->parameters.size() + 1 != assigning->parameters.size())
        throw CompileError{error::PropertyArgumentsDiffer, name.line, name.column};
    if (member->let && member->set && member->let->parameters.size() != member->set->parameters.size())
        throw CompileError{error::PropertyArgumentsDiffer, name.line, name.column};
    if (isDefault) {
        if (definition.defaultMember >= 0 || form == Form::PropertyLet || form == Form::PropertySet)
            throw CompileError{error::MultipleDefaults, name.line, name.column};
        definition.defaultMember = int(member->id - 1);
    }
    if (form == Form::Sub && (name.text == QLatin1String("class_initialize") ||
                              name.text == QLatin1String("class_terminate"))) {
        if (arguments != 0)
            throw CompileError{error::EventWithArguments, name.line, name.column};
        (name.text == QLatin1String("class_initialize") ? definition.initialize : definition.terminate) =
            procedure.get();
    }
    definition.procedures.push_back(std::move(procedure));
}

} // namespace vbscript::parser
