#include "platform/vbscript/RegExp.h"

#include "platform/vbscript/Bstr.h"
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/Interpreter.h"
#include "platform/vbscript/OperatorsCoercion.h"
#include "platform/vbscript/RegExpPattern.h"

#include <QRegularExpression>

#include <span>
#include <type_traits>

namespace vbscript {

namespace {

// An object of this library: members by name (ids from 1 in the order named; the first is the default
// member where `hasDefault`), each read, called or assigned with its arguments as values.
class LibraryObject : public ScriptObject {
public:
    struct Name {
        const char* name;
        std::size_t arguments;
    };

    HRESULT GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override
    {
        HRESULT result = S_OK;
        for (UINT i = 0; i < count; ++i) {
            ids[i] = DISPID_UNKNOWN;
            const QString name = fromBstr(names[i]);
            for (std::size_t m = 0; m < m_names.size() && i == 0; ++m)
                if (name.compare(QLatin1String(m_names[m].name), Qt::CaseInsensitive) == 0)
                    ids[i] = DISPID(m + 1);
            if (ids[i] == DISPID_UNKNOWN)
                result = DISP_E_UNKNOWNNAME;
        }
        return result;
    }

    Variant call(Interpreter& interpreter, DISPID id, WORD flags, const CallArguments& args,
                 const Variant* putValue) override
    {
        if (id == DISPID_VALUE && m_hasDefault)
            id = 1;
        if (id < 1 || std::size_t(id) > m_names.size())
            raiseError(error::NoSuchMember);
        std::vector<Variant> values = interpreter.argumentValues(args);
        if (putValue || values.empty() || m_names[std::size_t(id - 1)].arguments != 0)
            return member(int(id), values, putValue);
        // "match.SubMatches(0)": the arguments are for the value's default member.
        std::vector<Variant> none;
        const Variant value = member(int(id), none, nullptr);
        auto* object = value.vt() == VT_DISPATCH ? dynamic_cast<LibraryObject*>(value.dispatch()) : nullptr;
        if (!object)
            raiseError(error::WrongArgumentCount);
        return object->call(interpreter, DISPID_VALUE, flags, CallArguments::fromValues(values), nullptr);
    }

    QString typeName() const override { return QLatin1String(m_typeName); }

protected:
    LibraryObject(InterpreterLink link, const char* typeName, std::span<const Name> names, bool hasDefault)
        : ScriptObject(std::move(link)), m_typeName(typeName), m_names(names), m_hasDefault(hasDefault)
    {
    }

    // `id` counts from 1; `putValue` is set when the member is assigned.
    virtual Variant member(int id, std::vector<Variant>& args, const Variant* putValue) = 0;

private:
    const char* m_typeName;
    std::span<const Name> m_names;
    bool m_hasDefault;
};

// A property read without arguments, or a method that takes `count` of them; nothing is assigned.
void expect(const std::vector<Variant>& args, std::size_t count, const Variant* putValue)
{
    if (putValue)
        raiseError(error::NoSuchMember);
    if (args.size() != count)
        raiseError(error::WrongArgumentCount);
}

// The element `index` of a 0-based collection.
const Variant& itemOf(const std::vector<Variant>& items, std::vector<Variant>& args, const Variant* putValue)
{
    expect(args, 1, putValue);
    const std::int32_t index = longOf(valueOf(args[0]));
    if (index < 0 || std::size_t(index) >= items.size())
        raiseError(error::InvalidCall);
    return items[std::size_t(index)];
}

template <typename Object, typename... Arguments>
Variant made(Arguments&&... arguments)
{
    auto* object = new Object(std::forward<Arguments>(arguments)...);
    Variant result(static_cast<IDispatch*>(object));
    object->Release();
    return result;
}

// A collection: Item (the default member) and Count.
class Collection final : public LibraryObject {
public:
    Collection(InterpreterLink link, const char* typeName, std::vector<Variant> items)
        : LibraryObject(std::move(link), typeName, names, true), m_items(std::move(items))
    {
    }
    bool items(std::vector<Variant>& out) const override
    {
        out = m_items;
        return true;
    }

private:
    static constexpr Name names[] = {{"Item", 1}, {"Count", 0}};
    Variant member(int id, std::vector<Variant>& args, const Variant* putValue) override
    {
        if (id == 1)
            return itemOf(m_items, args, putValue);
        expect(args, 0, putValue);
        return Variant(std::int32_t(m_items.size()));
    }

    std::vector<Variant> m_items;
};

class Match final : public LibraryObject {
public:
    Match(InterpreterLink link, const QRegularExpressionMatch& match)
        : LibraryObject(std::move(link), "IMatch2", names, true), m_value(match.captured(0)),
          m_firstIndex(std::int32_t(match.capturedStart(0)))
    {
        // A group that took no part in the match is Empty, one that matched nothing an empty text.
        for (int group = 1; group <= match.regularExpression().captureCount(); ++group)
            m_subMatches.push_back(match.capturedStart(group) < 0 ? Variant() : Variant(match.captured(group)));
    }

private:
    static constexpr Name names[] = {{"Value", 0}, {"FirstIndex", 0}, {"Length", 0}, {"SubMatches", 0}};
    Variant member(int id, std::vector<Variant>& args, const Variant* putValue) override
    {
        expect(args, 0, putValue);
        switch (id) {
        case 1: return Variant(m_value);
        case 2: return Variant(m_firstIndex);
        case 3: return Variant(std::int32_t(m_value.size()));
        default: return made<Collection>(link(), "ISubMatches", m_subMatches);
        }
    }

    QString m_value;
    std::int32_t m_firstIndex;
    std::vector<Variant> m_subMatches;
};

class RegExp final : public LibraryObject {
public:
    explicit RegExp(InterpreterLink link) : LibraryObject(std::move(link), "IRegExp2", names, false) {}

private:
    enum Member { Pattern = 1, IgnoreCase, Global, Multiline, Test, Replace, Execute };
    static constexpr Name names[] = {{"Pattern", 0}, {"IgnoreCase", 0}, {"Global", 0}, {"Multiline", 0},
                                     {"Test", 1}, {"Replace", 2}, {"Execute", 1}};

    Variant member(int id, std::vector<Variant>& args, const Variant* putValue) override
    {
        if (putValue && id != Global)
            m_compiled = false;
        switch (id) {
        case Pattern: return property(m_pattern, args, putValue);
        case IgnoreCase: return property(m_ignoreCase, args, putValue);
        case Global: return property(m_global, args, putValue);
        case Multiline: return property(m_multiline, args, putValue);
        case Test:
            expect(args, 1, putValue);
            return Variant(compiled().match(textOf(valueOf(args[0]))).hasMatch());
        case Replace:
            expect(args, 2, putValue);
            return Variant(replace(textOf(valueOf(args[0])), textOf(valueOf(args[1]))));
        default: {
            expect(args, 1, putValue);
            std::vector<Variant> found;
            for (const QRegularExpressionMatch& match : matches(textOf(valueOf(args[0]))))
                found.push_back(made<Match>(link(), match));
            return made<Collection>(link(), "IMatchCollection2", std::move(found));
        }
        }
    }

    template <typename Value>
    Variant property(Value& value, const std::vector<Variant>& args, const Variant* putValue)
    {
        if (!args.empty())
            raiseError(error::WrongArgumentCount);
        if (!putValue)
            return Variant(value);
        if constexpr (std::is_same_v<Value, bool>)
            value = boolOf(valueOf(*putValue));
        else
            value = textOf(valueOf(*putValue));
        return Variant();
    }

    // The library's expression for the pattern and switches as they are now.
    const QRegularExpression& compiled()
    {
        if (!m_compiled) {
            m_expression = QRegularExpression(libraryPattern(m_pattern, m_multiline),
                                              m_ignoreCase ? QRegularExpression::CaseInsensitiveOption
                                                           : QRegularExpression::NoPatternOption);
            m_compiled = true;
        }
        if (!m_expression.isValid())
            raiseError(error::RegExpSyntax);
        return m_expression;
    }

    // The first match, or with Global every match left to right; after a match of nothing the search goes on
    // one character further.
    std::vector<QRegularExpressionMatch> matches(const QString& subject)
    {
        const QRegularExpression& expression = compiled();
        std::vector<QRegularExpressionMatch> found;
        for (qsizetype from = 0; from <= subject.size();) {
            QRegularExpressionMatch match = expression.match(subject, from);
            if (!match.hasMatch())
                break;
            found.push_back(match);
            if (!m_global)
                break;
            from = match.capturedEnd(0);
            if (match.capturedLength(0) == 0)
                from += from + 1 < subject.size() && subject[from].isHighSurrogate() ? 2 : 1;
        }
        return found;
    }

    QString replace(const QString& subject, const QString& replacement)
    {
        QString out;
        qsizetype kept = 0;
        for (const QRegularExpressionMatch& match : matches(subject)) {
            out += subject.mid(kept, match.capturedStart(0) - kept);
            out += replacementOf(replacement, match, subject);
            kept = match.capturedEnd(0);
        }
        return out + subject.mid(kept);
    }

    QString m_pattern;
    bool m_ignoreCase = false;
    bool m_global = false;
    bool m_multiline = false;
    QRegularExpression m_expression;
    bool m_compiled = false;
};

} // namespace

Variant newRegExp(const InterpreterLink& link)
{
    return made<RegExp>(link);
}

} // namespace vbscript
