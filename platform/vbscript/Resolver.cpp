// Gives every name of a program its meaning before the program runs. Declarations are seen first (Dim,
// ReDim and Const anywhere in a scope count for the whole scope, as in the language); then each name is
// looked up: locals, globals, procedures, Err, built-ins, named items and their global members, intrinsic
// constants. A name found nowhere becomes a new variable of its scope, or under Option Explicit an error
// raised when the statement runs. Text that Execute or Eval runs inside a call is resolved against that
// call's frame: it sees the call's locals, and the variables it makes become locals of the call.
#include "platform/vbscript/Builtins.h"
#include "platform/vbscript/Constants.h"
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/Interpreter.h"
#include "platform/vbscript/Lexer.h"

#include <QSet>

namespace vbscript {

class Resolver {
public:
    Resolver(Interpreter& interpreter, Program& program, const QString& contextItem)
        : m_in(interpreter), m_program(program), m_contextItem(contextItem)
    {
    }

    // `frame`: the call that runs the text (Execute, Eval), or null for a text of the engine.
    void run(Interpreter::Frame* frame)
    {
        m_runningText = frame != nullptr;
        for (const auto& procedure : m_program.procedures)
            m_in.m_procedures.insert(procedure->name, procedure.get());
        for (const auto& definition : m_program.classes)
            m_in.m_classes.insert(definition->name, definition.get());
        if (frame && frame->procedure)
            enterCall(*frame);
        declareBlock(m_program.body);
        resolveBlock(m_program.body);
        if (m_program.expression)
            resolveExpr(*m_program.expression);
        if (frame && frame->procedure)
            addLocalsTo(*frame);
        m_procedure = nullptr;
        m_class = nullptr;
        for (const auto& procedure : m_program.procedures)
            resolveProcedure(*procedure);
        for (const auto& definition : m_program.classes)
            resolveClass(*definition);
        for (NameExpr* name : m_implicit)
            m_in.m_implicitNames[name->name].push_back(name);
        for (const auto& procedure : m_program.procedures)
            bindLateDefinition(*procedure);
    }

private:
    // Names that became variables only because nothing else had them are the procedure's once a later text
    // (ExecuteGlobal, most often) defines it.
    void bindLateDefinition(const Procedure& procedure)
    {
        const auto names = m_in.m_implicitNames.take(procedure.name);
        for (NameExpr* name : names) {
            name->binding = Binding();
            name->binding.kind = Binding::Procedure;
            name->binding.procedure = &procedure;
        }
    }

    // The running call's names, as its own body saw them, and those that earlier texts added to it.
    void enterCall(const Interpreter::Frame& frame)
    {
        m_procedure = &m_textInCall;
        m_class = frame.procedure->owner;
        m_locals = frame.procedure->localNames;
        m_localConstants = frame.procedure->localConstants;
        if (frame.added)
            for (auto added = frame.added->names.constBegin(); added != frame.added->names.constEnd(); ++added)
                m_locals.insert(added.key(), added.value());
    }

    void addLocalsTo(Interpreter::Frame& frame)
    {
        const std::size_t known = frame.refs.size();
        if (std::size_t(m_locals.size()) == known)
            return;
        if (!frame.added)
            frame.added = std::make_unique<Interpreter::AddedLocals>();
        std::vector<QString> names(std::size_t(m_locals.size()) - known);
        for (auto local = m_locals.constBegin(); local != m_locals.constEnd(); ++local)
            if (std::size_t(local.value()) >= known)
                names[std::size_t(local.value()) - known] = local.key();
        for (const QString& name : names) {
            frame.added->names.insert(name, int(frame.refs.size()));
            frame.added->values.emplace_back();
            frame.refs.push_back(&frame.added->values.back());
        }
    }

    // --- declarations ---

    void declareBlock(Block& block)
    {
        for (StmtPtr& stmt : block)
            declare(*stmt);
    }

    void declare(Stmt& stmt)
    {
        switch (stmt.kind) {
        case StmtKind::Declaration: {
            auto& declaration = static_cast<DeclarationStmt&>(stmt);
            for (auto& variable : declaration.variables) {
                // A name is declared once in its scope (a procedure's parameters count as declared there).
                if (m_declared.contains(variable.name->name))
                    throw CompileError{error::NameRedefined, variable.name->line, variable.name->column};
                m_declared.insert(variable.name->name);
                if (declaration.isConst)
                    declareConstant(variable);
                else
                    declareVariable(variable);
            }
            break;
        }
        case StmtKind::ReDim:
            for (const auto& item : static_cast<const ReDimStmt&>(stmt).items)
                if (!visibleOutside(item.name->name))
                    slotFor(item.name->name);
            break;
        case StmtKind::If:
            for (auto& branch : static_cast<IfStmt&>(stmt).branches)
                declareBlock(branch.body);
            declareBlock(static_cast<IfStmt&>(stmt).otherwise);
            break;
        case StmtKind::Select:
            for (auto& branch : static_cast<SelectStmt&>(stmt).cases)
                declareBlock(branch.body);
            declareBlock(static_cast<SelectStmt&>(stmt).otherwise);
            break;
        case StmtKind::For: declareBlock(static_cast<ForStmt&>(stmt).body); break;
        case StmtKind::ForEach: declareBlock(static_cast<ForEachStmt&>(stmt).body); break;
        case StmtKind::Do: declareBlock(static_cast<DoStmt&>(stmt).body); break;
        case StmtKind::While: declareBlock(static_cast<WhileStmt&>(stmt).body); break;
        case StmtKind::With: declareBlock(static_cast<WithStmt&>(stmt).body); break;
        default: break;
        }
    }

    // ReDim in a procedure resizes the class's or the global variable of its name; it declares one only
    // where there is none.
    bool visibleOutside(const QString& name) const
    {
        if (!m_procedure || m_locals.contains(name))
            return false;
        const ClassMember* member = m_class ? m_class->find(name) : nullptr;
        return (member && member->field >= 0) || m_in.m_globalIndex.contains(name);
    }

    void declareConstant(const DeclarationStmt::Variable& variable)
    {
        Variant value;
        if (!fold(*variable.constant, value))
            throw CompileError{error::ExpectedLiteral, variable.constant->line, variable.constant->column};
        if (m_procedure)
            m_localConstants.insert(variable.name->name, value);
        else
            m_in.m_globalConstants.insert(variable.name->name, value);
    }

    void declareVariable(DeclarationStmt::Variable& variable)
    {
        const int slot = slotFor(variable.name->name);
        if (!variable.isArray)
            return;
        makeArray(variable);
        if (variable.bounds.empty())
            return;
        if (m_procedure)
            m_procedure->fixedSlots.push_back(slot);
        else
            m_in.m_globalFixed[std::size_t(slot)] = true;
    }

    // Dim a(3, 4) makes a fixed array of constant bounds, Dim a() a dynamic one.
    void makeArray(DeclarationStmt::Variable& variable)
    {
        std::vector<SafeArray::Bound> bounds;
        for (const ExprPtr& bound : variable.bounds) {
            Variant value;
            if (!fold(*bound, value) || !value.isNumeric())
                throw CompileError{error::ExpectedIntegerConstant, bound->line, bound->column};
            const double upper = value.toDouble();
            if (upper < -1 || upper > 0x7FFFFFF)
                throw CompileError{error::ExpectedIntegerConstant, bound->line, bound->column};
            bounds.push_back({0, std::int32_t(upper) + 1});
        }
        variable.fixed = SafeArray::create(bounds);
    }

    // An instance's variables start as the declarations make them; the methods see the members by name.
    void resolveClass(ClassDef& definition)
    {
        definition.firstValues.clear();
        definition.fixedFields.clear();
        for (DeclarationStmt::Variable& variable : definition.fieldDeclarations) {
            if (variable.isArray)
                makeArray(variable);
            definition.firstValues.push_back(variable.isArray ? Variant(variable.fixed) : Variant());
            definition.fixedFields.push_back(!variable.bounds.empty());
        }
        m_class = &definition;
        for (const auto& procedure : definition.procedures)
            resolveProcedure(*procedure);
        m_class = nullptr;
    }

    int slotFor(const QString& name)
    {
        if (m_procedure) {
            const auto found = m_locals.constFind(name);
            if (found != m_locals.constEnd())
                return found.value();
            const int slot = int(m_locals.size());
            m_locals.insert(name, slot);
            return slot;
        }
        const auto found = m_in.m_globalIndex.constFind(name);
        if (found != m_in.m_globalIndex.constEnd())
            return found.value();
        const int slot = int(m_in.m_globals.size());
        m_in.m_globals.emplace_back();
        m_in.m_globalFixed.push_back(false);
        m_in.m_globalIndex.insert(name, slot);
        return slot;
    }

    bool constantNamed(const QString& name, Variant& value) const
    {
        if (m_procedure && m_localConstants.contains(name)) {
            value = m_localConstants.value(name);
            return true;
        }
        if (m_in.m_globalConstants.contains(name)) {
            value = m_in.m_globalConstants.value(name);
            return true;
        }
        return findConstant(name, value);
    }

    bool fold(const Expr& expr, Variant& value) const
    {
        try {
            switch (expr.kind) {
            case ExprKind::Literal: value = static_cast<const LiteralExpr&>(expr).value; return true;
            case ExprKind::Paren: return fold(*static_cast<const ParenExpr&>(expr).inner, value);
            case ExprKind::Name: return constantNamed(static_cast<const NameExpr&>(expr).name, value);
            case ExprKind::Negate:
            case ExprKind::Not: {
                Variant operand;
                if (!fold(*static_cast<const UnaryExpr&>(expr).operand, operand))
                    return false;
                value = expr.kind == ExprKind::Negate ? negate(operand) : notOp(operand);
                return true;
            }
            case ExprKind::Binary: {
                const auto& binary = static_cast<const BinaryExpr&>(expr);
                Variant left, right;
                if (binary.isIdentity || !fold(*binary.left, left) || !fold(*binary.right, right))
                    return false;
                value = binaryOp(binary.op, left, right);
                return true;
            }
            default: return false;
            }
        } catch (const ScriptError&) {
            return false;
        }
    }

    // --- names ---

    void resolveProcedure(Procedure& procedure)
    {
        m_procedure = &procedure;
        m_locals.clear();
        m_localConstants.clear();
        m_declared.clear();
        for (const Parameter& parameter : procedure.parameters) {
            if (m_locals.contains(parameter.name))
                throw CompileError{error::NameRedefined, procedure.line, 0};
            m_locals.insert(parameter.name, int(m_locals.size()));
            m_declared.insert(parameter.name);
        }
        if (procedure.isFunction) {
            procedure.resultSlot = int(m_locals.size());
            m_locals.insert(procedure.name, procedure.resultSlot);
        }
        declareBlock(procedure.body);
        resolveBlock(procedure.body);
        procedure.localCount = int(m_locals.size());
        procedure.localNames = m_locals;
        procedure.localConstants = m_localConstants;
        m_procedure = nullptr;
    }

    void resolveBlock(Block& block)
    {
        for (StmtPtr& stmt : block)
            resolveStatement(*stmt);
    }

    void resolveStatement(Stmt& stmt)
    {
        switch (stmt.kind) {
        case StmtKind::Assign:
        case StmtKind::Set: {
            auto& assign = static_cast<AssignStmt&>(stmt);
            resolveExpr(*assign.target);
            resolveExpr(*assign.value);
            break;
        }
        case StmtKind::Call: resolveExpr(*static_cast<CallStmt&>(stmt).call); break;
        case StmtKind::ReDim:
            for (auto& item : static_cast<ReDimStmt&>(stmt).items) {
                resolveExpr(*item.name);
                for (ExprPtr& bound : item.bounds)
                    resolveExpr(*bound);
            }
            break;
        case StmtKind::Erase: resolveExpr(*static_cast<EraseStmt&>(stmt).name); break;
        case StmtKind::Declaration:
            for (auto& variable : static_cast<DeclarationStmt&>(stmt).variables)
                if (variable.isArray)
                    resolveExpr(*variable.name);
            break;
        case StmtKind::If: {
            auto& node = static_cast<IfStmt&>(stmt);
            for (auto& branch : node.branches) {
                resolveExpr(*branch.condition);
                resolveBlock(branch.body);
            }
            resolveBlock(node.otherwise);
            break;
        }
        case StmtKind::Select: {
            auto& node = static_cast<SelectStmt&>(stmt);
            resolveExpr(*node.subject);
            for (auto& branch : node.cases) {
                for (auto& test : branch.tests) {
                    resolveExpr(*test.value);
                    if (test.upper)
                        resolveExpr(*test.upper);
                }
                resolveBlock(branch.body);
            }
            resolveBlock(node.otherwise);
            break;
        }
        case StmtKind::For: {
            auto& node = static_cast<ForStmt&>(stmt);
            resolveExpr(*node.counter);
            resolveExpr(*node.from);
            resolveExpr(*node.to);
            if (node.step)
                resolveExpr(*node.step);
            resolveBlock(node.body);
            break;
        }
        case StmtKind::ForEach: {
            auto& node = static_cast<ForEachStmt&>(stmt);
            resolveExpr(*node.element);
            resolveExpr(*node.collection);
            resolveBlock(node.body);
            break;
        }
        case StmtKind::Do: {
            auto& node = static_cast<DoStmt&>(stmt);
            if (node.condition)
                resolveExpr(*node.condition);
            resolveBlock(node.body);
            break;
        }
        case StmtKind::While: {
            auto& node = static_cast<WhileStmt&>(stmt);
            resolveExpr(*node.condition);
            resolveBlock(node.body);
            break;
        }
        case StmtKind::With: {
            auto& node = static_cast<WithStmt&>(stmt);
            resolveExpr(*node.object);
            resolveBlock(node.body);
            break;
        }
        default: break;
        }
    }

    void resolveExpr(Expr& expr)
    {
        switch (expr.kind) {
        case ExprKind::Name: {
            auto& name = static_cast<NameExpr&>(expr);
            name.binding = lookup(name);
            // Texts run by Execute and Eval are dropped after running; only the engine's texts stay.
            if (m_madeImplicit && !m_runningText)
                m_implicit.push_back(&name);
            break;
        }
        case ExprKind::Call: {
            auto& call = static_cast<CallExpr&>(expr);
            if (call.target->kind == ExprKind::Name && m_procedure &&
                static_cast<NameExpr&>(*call.target).name == m_procedure->name) {
                // A Function's own name with arguments calls it again; in a class, on the same instance.
                auto& name = static_cast<NameExpr&>(*call.target);
                name.binding = Binding();
                name.binding.kind = Binding::Procedure;
                name.binding.procedure = m_procedure;
                if (m_class && m_procedure->owner) {
                    name.binding.kind = Binding::ClassMember;
                    name.binding.member = m_class->find(name.name);
                }
            } else {
                resolveExpr(*call.target);
            }
            for (ExprPtr& arg : call.args)
                resolveExpr(*arg);
            break;
        }
        case ExprKind::Member: resolveExpr(*static_cast<MemberExpr&>(expr).object); break;
        case ExprKind::Negate:
        case ExprKind::Not: resolveExpr(*static_cast<UnaryExpr&>(expr).operand); break;
        case ExprKind::Binary: {
            auto& binary = static_cast<BinaryExpr&>(expr);
            withoutParentheses(binary.left);
            withoutParentheses(binary.right);
            resolveExpr(*binary.left);
            resolveExpr(*binary.right);
            binary.wholeOperands = !binary.isIdentity && (isWholeOperator(binary.op) || isComparison(binary.op)) &&
                                   isWholeShaped(*binary.left) && isWholeShaped(*binary.right);
            binary.holdLeft = isVariable(*binary.left) && mayRunCode(*binary.right);
            break;
        }
        case ExprKind::Paren: resolveExpr(*static_cast<ParenExpr&>(expr).inner); break;
        default: break;
        }
    }

    // An operator's operand is a value however it is written: its parentheses only grouped it, and the
    // evaluation need not go through them each time.
    static void withoutParentheses(ExprPtr& operand)
    {
        while (operand->kind == ExprKind::Paren) {
            ExprPtr inner = std::move(static_cast<ParenExpr&>(*operand).inner);
            operand = std::move(inner);
        }
    }

    static bool isVariable(const Expr& expr)
    {
        if (expr.kind != ExprKind::Name)
            return false;
        const Binding::Kind kind = static_cast<const NameExpr&>(expr).binding.kind;
        return kind == Binding::Local || kind == Binding::Global || kind == Binding::Field;
    }

    // Whether computing the expression may call a procedure, a built-in or an object's member.
    static bool mayRunCode(const Expr& expr)
    {
        switch (expr.kind) {
        case ExprKind::Literal:
        case ExprKind::Missing: return false;
        case ExprKind::Name: {
            const Binding::Kind kind = static_cast<const NameExpr&>(expr).binding.kind;
            return kind != Binding::Local && kind != Binding::Global && kind != Binding::Constant;
        }
        case ExprKind::Negate:
        case ExprKind::Not: return mayRunCode(*static_cast<const UnaryExpr&>(expr).operand);
        case ExprKind::Paren: return mayRunCode(*static_cast<const ParenExpr&>(expr).inner);
        case ExprKind::Binary: {
            const auto& binary = static_cast<const BinaryExpr&>(expr);
            return mayRunCode(*binary.left) || mayRunCode(*binary.right);
        }
        default: return true;
        }
    }

    static bool isWholeOperator(BinaryOp op)
    {
        return op == BinaryOp::Add || op == BinaryOp::Sub || op == BinaryOp::Mul || op == BinaryOp::Mod ||
               op == BinaryOp::IntDiv;
    }

    // An operand (without parentheses) the evaluator's whole-number path can take: it runs nothing when it
    // is computed.
    static bool isWholeShaped(const Expr& expr)
    {
        switch (expr.kind) {
        case ExprKind::Literal: {
            const VARTYPE type = static_cast<const LiteralExpr&>(expr).value.vt();
            return type == VT_I2 || type == VT_I4;
        }
        case ExprKind::Name: return true;
        case ExprKind::Binary: {
            const auto& binary = static_cast<const BinaryExpr&>(expr);
            return binary.wholeOperands && isWholeOperator(binary.op);
        }
        default: return false;
        }
    }

    Binding lookup(const NameExpr& name)
    {
        m_madeImplicit = false;
        Binding binding;
        if (m_procedure) {
            const auto local = m_locals.constFind(name.name);
            if (local != m_locals.constEnd()) {
                binding.kind = Binding::Local;
                binding.index = local.value();
                return binding;
            }
            if (m_localConstants.contains(name.name)) {
                binding.kind = Binding::Constant;
                binding.constant = m_localConstants.value(name.name);
                return binding;
            }
        }
        if (m_class && classMember(name, binding))
            return binding;
        if (constantNamed(name.name, binding.constant) && !m_in.m_globalIndex.contains(name.name)) {
            binding.kind = Binding::Constant;
            return binding;
        }
        const auto global = m_in.m_globalIndex.constFind(name.name);
        if (global != m_in.m_globalIndex.constEnd()) {
            binding.kind = Binding::Global;
            binding.index = global.value();
            binding.global = &m_in.m_globals[std::size_t(binding.index)];
            return binding;
        }
        if (const Procedure* procedure = m_in.m_procedures.value(name.name, nullptr)) {
            binding.kind = Binding::Procedure;
            binding.procedure = procedure;
            return binding;
        }
        if (name.name == QLatin1String("err")) {
            binding.kind = Binding::ErrObject;
            return binding;
        }
        if (intrinsicNamed(name.name, binding.intrinsic)) {
            binding.kind = Binding::Intrinsic;
            return binding;
        }
        if (const Builtin* builtin = findBuiltin(name.name)) {
            binding.kind = Binding::Builtin;
            binding.builtin = builtin;
            return binding;
        }
        for (const NamedItem& item : m_in.m_items) {
            if (item.name == name.name) {
                binding.kind = Binding::Object;
                binding.object = item.object;
                return binding;
            }
        }
        if (memberOfItems(name, binding))
            return binding;
        if (m_program.optionExplicit) {
            binding.kind = Binding::Undefined;
            return binding;
        }
        m_madeImplicit = true;
        binding.kind = m_procedure ? Binding::Local : Binding::Global;
        binding.index = slotFor(name.name);
        if (!m_procedure)
            binding.global = &m_in.m_globals[std::size_t(binding.index)];
        return binding;
    }

    // Inside a class's procedure: the class's own variables and members, private ones too, and Me.
    bool classMember(const NameExpr& name, Binding& binding) const
    {
        if (name.name == QLatin1String("me")) {
            binding.kind = Binding::Me;
            return true;
        }
        const ClassMember* member = m_class->find(name.name);
        if (!member)
            return false;
        if (member->field >= 0) {
            binding.kind = Binding::Field;
            binding.index = member->field;
        } else {
            binding.kind = Binding::ClassMember;
            binding.member = member;
        }
        return true;
    }

    static bool intrinsicNamed(const QString& name, Binding::IntrinsicKind& kind)
    {
        static const QHash<QString, Binding::IntrinsicKind> names = {{"eval", Binding::Eval},
                                                                     {"execute", Binding::Execute},
                                                                     {"executeglobal", Binding::ExecuteGlobal},
                                                                     {"getref", Binding::GetRef},
                                                                     {"msgbox", Binding::MsgBox},
                                                                     {"inputbox", Binding::InputBox},
                                                                     {"createobject", Binding::CreateObject}};
        const auto found = names.constFind(name);
        if (found == names.constEnd())
            return false;
        kind = found.value();
        return true;
    }

    bool memberOfItems(const NameExpr& name, Binding& binding) const
    {
        for (const NamedItem& item : m_in.m_items) {
            if (!item.globalMembers && item.name != m_contextItem)
                continue;
            std::u16string text = name.spelling.toStdU16String();
            LPOLESTR names[] = {text.data()};
            DISPID id = DISPID_UNKNOWN;
            if (SUCCEEDED(item.object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_EN_US, &id))) {
                binding.kind = Binding::Member;
                binding.object = item.object;
                binding.dispid = id;
                return true;
            }
        }
        return false;
    }

    Interpreter& m_in;
    Program& m_program;
    QString m_contextItem;
    Procedure* m_procedure = nullptr;
    const ClassDef* m_class = nullptr;   // the class whose procedure is being resolved
    QHash<QString, int> m_locals;
    QHash<QString, Variant> m_localConstants;
    QSet<QString> m_declared;   // Dim and Const names of the scope being resolved
    Procedure m_textInCall;
    bool m_runningText = false;            // resolving text that Execute or Eval runs
    bool m_madeImplicit = false;           // the last lookup made a new variable
    std::vector<NameExpr*> m_implicit;     // names that did, kept once the whole text resolves     // stands for the running call while text run by Execute or Eval is resolved
};

void Interpreter::resolve(Program& program, const QString& contextItem, Frame* frame)
{
    // A refused text is dropped by the caller: nothing may keep pointing into it.
    const auto procedures = m_procedures;
    const auto classes = m_classes;
    const auto constants = m_globalConstants;
    if (!frame)
        m_contextItem = contextItem;
    try {
        Resolver(*this, program, contextItem).run(frame);
    } catch (const CompileError&) {
        m_procedures = procedures;
        m_classes = classes;
        m_globalConstants = constants;
        throw;
    }
}

} // namespace vbscript
