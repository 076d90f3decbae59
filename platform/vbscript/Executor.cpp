// Statements: blocks with On Error Resume Next, the control-flow statements, ReDim and Erase.
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/Interpreter.h"
#include "platform/vbscript/OperatorsCoercion.h"

#include <algorithm>

namespace vbscript {

namespace {

bool isInteger(const Variant& value) { return value.vt() == VT_I2 || value.vt() == VT_I4; }

double numberOf(const Variant& value)
{
    const Variant plain = valueOf(value);
    if (plain.isNull())
        raiseError(error::InvalidUseOfNull);
    return doubleOf(plain);
}

// The counter of a For loop counts: a start or step written as text is its number.
Variant counting(Variant value)
{
    if (value.vt() == VT_BSTR)
        return Variant(numberOf(value));
    numberOf(value);
    return value;
}

} // namespace

// The host's stop is looked at every 1024 steps, the budget at the first step beyond it; a run over its budget
// stops again at every step.
void Interpreter::checkSteps()
{
    if ((m_stepLimit != 0 && m_steps > m_stepLimit) || ((m_steps & 1023) == 0 && m_interrupted.load()))
        raiseError(error::Interrupted);
    m_nextCheck = nextCheck();
}

std::uint64_t Interpreter::nextCheck() const
{
    const std::uint64_t nextStopCheck = (m_steps | 1023) + 1;
    if (m_stepLimit == 0)
        return nextStopCheck;
    return std::min(nextStopCheck, std::max(m_stepLimit + 1, m_steps + 1));
}

// Under On Error Resume Next the error goes into Err and the run goes on; the host's stop cannot be caught.
bool Interpreter::catchInto(const ScriptError& error, Frame& frame)
{
    if (!frame.resumeNext || error.number == error::Interrupted || error.number == error::OutOfStackSpace)
        return false;
    m_err.set(error);
    return true;
}

Interpreter::Flow Interpreter::execBlock(const Block& block, Frame& frame)
{
    for (const StmtPtr& stmt : block) {
        Flow flow = Flow::Normal;
        try {
            at(*stmt);
            step();
            flow = exec(*stmt, frame);
        } catch (const ScriptError& error) {
            if (!catchInto(error, frame))
                throw;
        }
        if (flow != Flow::Normal)
            return flow;
    }
    return Flow::Normal;
}

Interpreter::Flow Interpreter::exec(const Stmt& stmt, Frame& frame)
{
    switch (stmt.kind) {
    case StmtKind::Assign:
    case StmtKind::Set: execAssign(static_cast<const AssignStmt&>(stmt), frame); return Flow::Normal;
    case StmtKind::Call: execCall(static_cast<const CallStmt&>(stmt), frame); return Flow::Normal;
    case StmtKind::ReDim: execReDim(static_cast<const ReDimStmt&>(stmt), frame); return Flow::Normal;
    case StmtKind::Erase: execErase(static_cast<const EraseStmt&>(stmt), frame); return Flow::Normal;
    case StmtKind::If: return execIf(static_cast<const IfStmt&>(stmt), frame);
    case StmtKind::Select: return execSelect(static_cast<const SelectStmt&>(stmt), frame);
    case StmtKind::For: return execFor(static_cast<const ForStmt&>(stmt), frame);
    case StmtKind::ForEach: return execForEach(static_cast<const ForEachStmt&>(stmt), frame);
    case StmtKind::Do: return execDo(static_cast<const DoStmt&>(stmt), frame);
    case StmtKind::While: return execWhile(static_cast<const WhileStmt&>(stmt), frame);
    case StmtKind::With: return execWith(static_cast<const WithStmt&>(stmt), frame);
    case StmtKind::Exit:
        switch (static_cast<const ExitStmt&>(stmt).what) {
        case ExitStmt::For: return Flow::ExitFor;
        case ExitStmt::Do: return Flow::ExitDo;
        default: return Flow::ExitProcedure;
        }
    case StmtKind::OnError:
        frame.resumeNext = static_cast<const OnErrorStmt&>(stmt).resumeNext;
        m_err.clear();
        return Flow::Normal;
    case StmtKind::Declaration: execDeclaration(static_cast<const DeclarationStmt&>(stmt), frame); return Flow::Normal;
    case StmtKind::Nothing: return Flow::Normal;
    }
    return Flow::Normal;
}

// The most usual statement, a variable given a value, goes straight to the variable.
void Interpreter::execAssign(const AssignStmt& stmt, Frame& frame)
{
    Variant value = eval(*stmt.value, frame);
    Variant* slot = stmt.kind == StmtKind::Assign && stmt.target->kind == ExprKind::Name
                        ? variable(static_cast<const NameExpr&>(*stmt.target), frame)
                        : nullptr;
    if (slot)
        store(*slot, std::move(value), false);
    else
        assign(*stmt.target, std::move(value), stmt.kind == StmtKind::Set, frame);
}

// A failing condition under On Error Resume Next goes on with the next statement, which is the first one
// of the Then part, as the language does.
Interpreter::Flow Interpreter::execIf(const IfStmt& stmt, Frame& frame)
{
    for (const auto& branch : stmt.branches) {
        bool taken = true;
        try {
            taken = condition(*branch.condition, frame);
        } catch (const ScriptError& error) {
            if (!catchInto(error, frame))
                throw;
        }
        if (taken)
            return execBlock(branch.body, frame);
    }
    return execBlock(stmt.otherwise, frame);
}

Interpreter::Flow Interpreter::execSelect(const SelectStmt& stmt, Frame& frame)
{
    const Variant subject = valueOf(eval(*stmt.subject, frame));
    for (const auto& branch : stmt.cases) {
        for (const auto& test : branch.tests) {
            const int order = compareForSelect(subject, eval(*test.value, frame));
            bool match = false;
            switch (test.kind) {
            case SelectStmt::Test::Equal: match = order == 0; break;
            case SelectStmt::Test::Range:
                match = order != Unordered && order >= 0 && compareForSelect(subject, eval(*test.upper, frame)) <= 0;
                break;
            case SelectStmt::Test::Is:
                if (order == Unordered)
                    break;
                switch (test.op) {
                case BinaryOp::Eq: match = order == 0; break;
                case BinaryOp::Ne: match = order != 0; break;
                case BinaryOp::Lt: match = order < 0; break;
                case BinaryOp::Gt: match = order > 0; break;
                case BinaryOp::Le: match = order <= 0; break;
                default: match = order >= 0; break;
                }
                break;
            }
            if (match)
                return execBlock(branch.body, frame);
        }
    }
    return execBlock(stmt.otherwise, frame);
}

// The bounds and the step are taken once; the counter is read back each round, so the body may change it.
Interpreter::Flow Interpreter::execFor(const ForStmt& stmt, Frame& frame)
{
    Variant* counter = variable(*stmt.counter, frame);
    if (!counter)
        raiseError(error::IllegalAssignment);
    const Variant from = counting(valueOf(eval(*stmt.from, frame)));
    const Variant to = valueOf(eval(*stmt.to, frame));
    const Variant stepValue = stmt.step ? counting(valueOf(eval(*stmt.step, frame))) : Variant(std::int16_t(1));
    const double limit = numberOf(to);
    const double increment = numberOf(stepValue);
    *counter = from;
    const bool integral = isInteger(from) && isInteger(to) && isInteger(stepValue);
    for (;;) {
        const double current = integral && isInteger(*counter) ? double(counter->vt() == VT_I2 ? counter->i2()
                                                                                             : counter->i4())
                                                                : numberOf(*counter);
        if (increment >= 0 ? current > limit : current < limit)
            return Flow::Normal;
        const Flow flow = execBlock(stmt.body, frame);
        if (flow == Flow::ExitFor)
            return Flow::Normal;
        if (flow != Flow::Normal)
            return flow;
        at(stmt);
        step();
        counter = variable(*stmt.counter, frame);
        *counter = arithmetic(BinaryOp::Add, *counter, stepValue);
    }
}

// An array, or a collection of the engine's own (RegExp's Matches and SubMatches).
Interpreter::Flow Interpreter::execForEach(const ForEachStmt& stmt, Frame& frame)
{
    const Variant collection = eval(*stmt.collection, frame);
    std::vector<Variant> ownItems;
    ScriptObject* own = collection.vt() == VT_DISPATCH ? ownObject(collection.dispatch()) : nullptr;
    if (!collection.isArray() && !(own && own->items(ownItems)))
        raiseError(error::NotACollection);
    for (const Variant& item : collection.isArray() ? collection.array().elements : ownItems) {
        Variant* element = variable(*stmt.element, frame);
        if (!element)
            raiseError(error::IllegalAssignment);
        *element = item;
        const Flow flow = execBlock(stmt.body, frame);
        if (flow == Flow::ExitFor)
            return Flow::Normal;
        if (flow != Flow::Normal)
            return flow;
        at(stmt);
        step();
    }
    return Flow::Normal;
}

Interpreter::Flow Interpreter::execDo(const DoStmt& stmt, Frame& frame)
{
    auto keepGoing = [&] {
        if (stmt.test == DoStmt::None)
            return true;
        at(stmt);
        const bool value = condition(*stmt.condition, frame);
        return stmt.test == DoStmt::While ? value : !value;
    };
    if (!stmt.testAtEnd && !keepGoing())
        return Flow::Normal;
    for (;;) {
        const Flow flow = execBlock(stmt.body, frame);
        if (flow == Flow::ExitDo)
            return Flow::Normal;
        if (flow != Flow::Normal)
            return flow;
        step();
        if (!keepGoing())
            return Flow::Normal;
    }
}

Interpreter::Flow Interpreter::execWhile(const WhileStmt& stmt, Frame& frame)
{
    for (;;) {
        at(stmt);
        if (!condition(*stmt.condition, frame))
            return Flow::Normal;
        const Flow flow = execBlock(stmt.body, frame);
        if (flow != Flow::Normal)
            return flow;
        step();
    }
}

// An array comes into being when its Dim runs; running the Dim again keeps what it holds.
void Interpreter::execDeclaration(const DeclarationStmt& stmt, Frame& frame)
{
    for (const auto& declared : stmt.variables) {
        if (!declared.isArray)
            continue;
        Variant* target = variable(*declared.name, frame);
        if (!target->isArray())
            *target = Variant(declared.fixed);
    }
}

// The object is taken once; whatever ends the block (its end, Exit, an error) lets go of it.
Interpreter::Flow Interpreter::execWith(const WithStmt& stmt, Frame& frame)
{
    frame.withObjects.push_back(eval(*stmt.object, frame));
    struct Leave {
        std::vector<Variant>& objects;
        ~Leave() { objects.pop_back(); }
    } leave{frame.withObjects};
    return execBlock(stmt.body, frame);
}

// ReDim makes new arrays of Empty; with Preserve only the last dimension may change and the kept elements
// stay where they were. A fixed array is refused before its new bounds are read.
void Interpreter::execReDim(const ReDimStmt& stmt, Frame& frame)
{
    for (const auto& item : stmt.items) {
        Variant* target = variable(*item.name, frame);
        if (!target)
            raiseError(error::IllegalAssignment);
        if (isFixedArray(*item.name, frame))
            raiseError(error::ArrayFixed);
        std::vector<SafeArray::Bound> bounds;
        for (const ExprPtr& bound : item.bounds) {
            const std::int32_t upper = longOf(valueOf(eval(*bound, frame)));
            if (upper < -1)
                raiseError(error::SubscriptOutOfRange);
            bounds.push_back({0, upper + 1});
        }
        SafeArray array = SafeArray::create(bounds);
        if (stmt.preserve && target->isArray()) {
            const SafeArray& old = target->array();
            if (!old.bounds.empty()) {
                if (old.bounds.size() != bounds.size())
                    raiseError(error::SubscriptOutOfRange);
                for (std::size_t d = 0; d + 1 < bounds.size(); ++d)
                    if (old.bounds[d].count != bounds[d].count)
                        raiseError(error::SubscriptOutOfRange);
                // The last dimension varies slowest, so the kept elements are a prefix of both.
                const std::size_t kept = std::min(old.elements.size(), array.elements.size());
                for (std::size_t i = 0; i < kept; ++i)
                    array.elements[i] = old.elements[i];
            }
        }
        *target = Variant(std::move(array));
    }
}

void Interpreter::execErase(const EraseStmt& stmt, Frame& frame)
{
    Variant* target = variable(*stmt.name, frame);
    if (!target || !target->isArray())
        raiseError(error::TypeMismatch);
    if (isFixedArray(*stmt.name, frame)) {
        for (Variant& element : target->array().elements)
            element.clear();
    } else {
        *target = Variant(SafeArray::create({}));
    }
}

} // namespace vbscript
