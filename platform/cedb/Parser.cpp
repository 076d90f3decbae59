#include "platform/cedb/Parser.h"

#include "platform/cedb/Tokenizer.h"
#include "platform/NestingCount.h"

#include <charconv>

namespace cedb {

namespace {

// Thrown inside the parser only; parseTokens turns it into nullopt.
struct SyntaxError {};

// How deep a condition may nest (brackets, NOTs, links of AND and OR chains). The compiler walks the tree
// recursively and SQLite refuses expressions much deeper than this, so a deeper statement is refused here.
constexpr int kMaxNesting = 1000;

std::optional<Variant> numberFromText(const char* begin, const char* end)
{
    qint64 whole = 0;
    const auto [wholeEnd, wholeError] = std::from_chars(begin, end, whole);
    if (wholeError == std::errc() && wholeEnd == end && whole >= INT32_MIN && whole <= INT32_MAX)
        return Variant(static_cast<std::int32_t>(whole));
    double real = 0;
    const auto [realEnd, realError] = std::from_chars(begin, end, real);
    if (realError != std::errc() || realEnd != end)
        return std::nullopt;
    return Variant(real);
}

// Digits with one point between them, no more than fifteen: their whole number is a Double exactly, and so is
// the power of ten that divides it, so the division's one rounding gives the nearest Double to the number,
// which is what the general reading gives. Nullopt for any other number.
std::optional<double> shortDecimal(QStringView digits)
{
    static constexpr double powersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6, 1e7,
                                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14};
    if (digits.size() > 16)
        return std::nullopt;
    qint64 whole = 0;
    qsizetype point = -1;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const QChar c = digits[i];
        if (isAsciiDigit(c))
            whole = whole * 10 + (c.unicode() - u'0');
        else if (c == u'.' && point < 0)
            point = i;
        else
            return std::nullopt;
    }
    const qsizetype decimals = digits.size() - point - 1;
    if (point <= 0 || decimals == 0)
        return std::nullopt;
    return double(whole) / powersOfTen[decimals];
}

std::optional<Variant> longNumberValue(QStringView digits, bool negative)
{
    const QByteArray text = (negative ? QByteArray("-") : QByteArray()) + digits.toLatin1();
    return numberFromText(text.constData(), text.constData() + text.size());
}

class Parser {
public:
    Parser(const std::vector<Token>& tokens, std::vector<LiteralPlace>& literals)
        : m_tokens(tokens), m_literals(literals)
    {
    }

    Statement statement()
    {
        Statement result = command();
        accept(";");
        if (peek().kind != Token::End)
            throw SyntaxError{};
        return result;
    }

private:
    using Nesting = platform::NestingCount::Hold;
    static void deeper(Nesting& hold)
    {
        if (!hold.deeper())
            throw SyntaxError{};
    }

    const Token& peek(size_t ahead = 0) const
    {
        return m_tokens[std::min(m_pos + ahead, m_tokens.size() - 1)];
    }
    const Token& next()
    {
        const Token& token = peek();
        if (m_pos < m_tokens.size() - 1)
            ++m_pos;
        return token;
    }
    bool acceptWord(const char* keyword)
    {
        if (!peek().isWord(keyword))
            return false;
        next();
        return true;
    }
    bool accept(const char* symbol)
    {
        if (!peek().isSymbol(symbol))
            return false;
        next();
        return true;
    }
    void expectWord(const char* keyword)
    {
        if (!acceptWord(keyword))
            throw SyntaxError{};
    }
    void expect(const char* symbol)
    {
        if (!accept(symbol))
            throw SyntaxError{};
    }
    QString name()
    {
        if (!peek().isName())
            throw SyntaxError{};
        return next().text().toString();
    }

    Statement command()
    {
        if (acceptWord("CREATE")) {
            if (acceptWord("DATABASE")) {
                if (peek().kind != Token::SingleQuoted && peek().kind != Token::DoubleQuoted)
                    throw SyntaxError{};
                return CreateDatabase{next().text().toString()};
            }
            if (acceptWord("TABLE"))
                return createTable();
            acceptWord("UNIQUE");
            expectWord("INDEX");
            return createIndex();
        }
        if (acceptWord("DROP")) {
            if (acceptWord("TABLE"))
                return DropTable{name()};
            expectWord("INDEX");
            DropIndex drop;
            drop.table = name();
            if (acceptWord("ON")) { // also "DROP INDEX n ON t"
                drop.index = drop.table;
                drop.table = name();
            } else {
                expect(".");
                drop.index = name();
            }
            return drop;
        }
        if (acceptWord("ALTER"))
            return alterTable();
        if (acceptWord("SELECT"))
            return select();
        if (acceptWord("DELETE")) {
            acceptWord("FROM");
            Delete remove{name(), nullptr};
            if (acceptWord("WHERE"))
                remove.where = expression();
            return remove;
        }
        if (acceptWord("INSERT"))
            return insert();
        if (peek().isName() && peek(1).kind == Token::End)
            return OpenTable{next().text().toString()};
        throw SyntaxError{};
    }

    ColumnDef columnDef()
    {
        ColumnDef column;
        column.name = name();
        if (peek().kind != Token::Word)
            throw SyntaxError{};
        column.typeName = next().text().toString();
        if (column.typeName.compare(QLatin1String("long"), Qt::CaseInsensitive) == 0 && peek().kind == Token::Word)
            column.typeName += QLatin1Char(' ') + next().text().toString();
        if (accept("(")) {
            if (peek().kind != Token::Number)
                throw SyntaxError{};
            bool ok = false;
            column.length = next().text().toInt(&ok);
            if (!ok)
                throw SyntaxError{};
            expect(")");
        }
        return column;
    }

    Statement createTable()
    {
        CreateTable create{name(), {}};
        expect("(");
        do
            create.columns.push_back(columnDef());
        while (accept(","));
        expect(")");
        return create;
    }

    Statement createIndex()
    {
        CreateIndex create;
        create.index = name();
        expectWord("ON");
        create.table = name();
        expect("(");
        create.column = name();
        for (;;) {
            if (acceptWord("DESC"))
                create.descending = true;
            else if (acceptWord("CASESENSITIVE"))
                create.caseSensitive = true;
            else if (acceptWord("UNKNOWNFIRST"))
                create.unknownFirst = true;
            else if (!acceptWord("ASC"))
                break;
        }
        expect(")");
        return create;
    }

    Statement alterTable()
    {
        expectWord("TABLE");
        const QString table = name();
        if (acceptWord("ADD")) {
            acceptWord("COLUMN");
            return AlterAdd{table, columnDef()};
        }
        if (acceptWord("RENAME")) {
            acceptWord("COLUMN");
            AlterRename rename{table, name(), QString()};
            expectWord("TO");
            rename.to = name();
            return rename;
        }
        expectWord("DROP");
        acceptWord("COLUMN");
        return AlterDrop{table, name()};
    }

    // [Table.]Field, either part bare or quoted.
    ExprPtr nameRef()
    {
        auto ref = std::make_shared<Expr>();
        ref->kind = Expr::Name;
        ref->quoted = peek().kind == Token::SingleQuoted;
        ref->name = name();
        if (accept(".")) {
            ref->table = ref->name;
            ref->quoted = peek().kind == Token::SingleQuoted;
            ref->name = name();
        }
        return ref;
    }

    SelectItem selectItem()
    {
        SelectItem item;
        if (accept("*")) {
            item.star = true;
            return item;
        }
        item.name = name();
        if (accept(".")) {
            item.table = item.name;
            item.name.clear();
            if (accept("*"))
                item.star = true;
            else
                item.name = name();
        }
        return item;
    }

    Statement select()
    {
        Select query;
        do
            query.items.push_back(selectItem());
        while (accept(","));
        expectWord("FROM");
        do
            query.tables.push_back(name());
        while (accept(","));
        std::vector<ExprPtr> conditions;
        while (peek().isWord("INNER"))
            innerJoin(query.tables, conditions);
        if (acceptWord("WHERE"))
            conditions.push_back(expression());
        for (const ExprPtr& condition : conditions)
            query.where = query.where ? both(Expr::And, query.where, condition) : condition;
        if (acceptWord("ORDER")) {
            expectWord("BY");
            do {
                OrderItem item{nameRef(), false};
                if (acceptWord("DESC"))
                    item.descending = true;
                else
                    acceptWord("ASC");
                query.orderBy.push_back(item);
            } while (accept(","));
        }
        return query;
    }

    // INNER JOIN (T [INNER JOIN (...)] ON A.x = B.y): the table joins the FROM list, the condition the WHERE.
    void innerJoin(std::vector<QString>& tables, std::vector<ExprPtr>& conditions)
    {
        expectWord("INNER");
        expectWord("JOIN");
        const bool parenthesised = accept("(");
        const QString table = name();
        bool known = false;
        for (const QString& existing : tables)
            known = known || existing.compare(table, Qt::CaseInsensitive) == 0;
        if (!known)
            tables.push_back(table);
        while (peek().isWord("INNER"))
            innerJoin(tables, conditions);
        expectWord("ON");
        conditions.push_back(expression());
        if (parenthesised)
            expect(")");
    }

    Statement insert()
    {
        expectWord("INTO");
        Insert insert;
        insert.table = name();
        if (accept("(")) {
            do
                insert.columns.push_back(name());
            while (accept(","));
            expect(")");
        }
        expectWord("VALUES");
        expect("(");
        do {
            m_value = insert.values.size();
            insert.values.push_back(insertValue());
        } while (accept(","));
        m_value = LiteralPlace::inCondition;
        expect(")");
        return insert;
    }

    // A value of a VALUES list; an empty place (", ,") is Null and a bare word is its text.
    Variant insertValue()
    {
        if (peek().isSymbol(",") || peek().isSymbol(")"))
            return Variant::null();
        if (peek().kind == Token::Word && !isLiteralWord(peek()))
            return Variant(next().text().toString());
        return literal();
    }

    static bool isLiteralWord(const Token& token)
    {
        return token.isWord("TRUE") || token.isWord("FALSE") || token.isWord("NULL");
    }

    Variant literal()
    {
        if (acceptWord("TRUE"))
            return Variant(true);
        if (acceptWord("FALSE"))
            return Variant(false);
        if (acceptWord("NULL"))
            return Variant::null();
        if (peek().kind == Token::SingleQuoted || peek().kind == Token::DoubleQuoted) {
            m_literals.push_back({m_pos, false, m_value});
            return Variant(next().text().toString());
        }
        const bool negative = accept("-");
        if (!negative)
            accept("+");
        if (peek().kind != Token::Number)
            throw SyntaxError{};
        m_literals.push_back({m_pos, negative, m_value});
        std::optional<Variant> number = numberValue(next().text(), negative);
        if (!number)
            throw SyntaxError{};
        return std::move(*number);
    }

    static std::shared_ptr<Expr> both(Expr::Kind kind, ExprPtr left, ExprPtr right)
    {
        auto node = std::make_shared<Expr>();
        node->kind = kind;
        node->operands = {std::move(left), std::move(right)};
        return node;
    }

    ExprPtr expression()
    {
        Nesting chain(m_nesting);
        deeper(chain);
        ExprPtr left = conjunction();
        while (acceptWord("OR")) {
            deeper(chain);
            left = both(Expr::Or, left, conjunction());
        }
        return left;
    }

    ExprPtr conjunction()
    {
        Nesting chain(m_nesting);
        ExprPtr left = negation();
        while (acceptWord("AND")) {
            deeper(chain);
            left = both(Expr::And, left, negation());
        }
        return left;
    }

    ExprPtr negation()
    {
        if (acceptWord("NOT")) {
            Nesting nesting(m_nesting);
            deeper(nesting);
            auto node = std::make_shared<Expr>();
            node->kind = Expr::Not;
            node->operands = {negation()};
            return node;
        }
        return predicate();
    }

    ExprPtr operand()
    {
        if (peek().kind == Token::DoubleQuoted || peek().kind == Token::Number || peek().isSymbol("-") ||
            peek().isSymbol("+") || isLiteralWord(peek())) {
            auto node = std::make_shared<Expr>();
            node->value = literal();
            return node;
        }
        return nameRef();
    }

    ExprPtr predicate()
    {
        if (accept("(")) {
            ExprPtr inner = expression();
            expect(")");
            return inner;
        }
        ExprPtr left = operand();
        if (acceptWord("IS")) {
            auto node = std::make_shared<Expr>();
            node->kind = Expr::IsNull;
            node->negated = acceptWord("NOT");
            expectWord("NULL");
            node->operands = {left};
            return node;
        }
        const bool notLike = peek().isWord("NOT") && peek(1).isWord("LIKE");
        if (notLike)
            next();
        if (acceptWord("LIKE")) {
            std::shared_ptr<Expr> node = both(Expr::Like, left, operand());
            node->negated = notLike;
            return node;
        }
        if (notLike)
            throw SyntaxError{};
        static const char* const operators[][2] = {{"=", "="},   {"<>", "<>"}, {"!=", "<>"}, {"<", "<"},
                                                   {">", ">"},   {"<=", "<="}, {"=<", "<="}, {">=", ">="},
                                                   {"=>", ">="}};
        for (const auto& [written, meaning] : operators) {
            if (accept(written)) {
                std::shared_ptr<Expr> node = both(Expr::Compare, left, operand());
                node->op = QLatin1String(meaning);
                return node;
            }
        }
        throw SyntaxError{};
    }

    const std::vector<Token>& m_tokens;
    std::vector<LiteralPlace>& m_literals;
    size_t m_value = LiteralPlace::inCondition; // the INSERT value being read
    size_t m_pos = 0;
    platform::NestingCount m_nesting{kMaxNesting};
};

} // namespace

std::optional<Variant> numberValue(QStringView digits, bool negative)
{
    // Up to nine digits always fit an Integer: most numbers of a statement are read here.
    if (!digits.isEmpty() && digits.size() <= 9) {
        std::int32_t whole = 0;
        qsizetype read = 0;
        for (; read < digits.size() && isAsciiDigit(digits[read]); ++read)
            whole = whole * 10 + std::int32_t(digits[read].unicode() - u'0');
        if (read == digits.size())
            return Variant(negative ? -whole : whole);
    }
    if (const std::optional<double> decimal = shortDecimal(digits))
        return Variant(negative ? -*decimal : *decimal);
    // Number tokens are ASCII digits, a point and an exponent only.
    char text[64];
    if (digits.isEmpty() || digits.size() >= qsizetype(sizeof text) - 1)
        return longNumberValue(digits, negative);
    char* end = text;
    if (negative)
        *end++ = '-';
    for (const QChar c : digits)
        *end++ = char(c.unicode());
    return numberFromText(text, end);
}

std::optional<Statement> parseTokens(const std::vector<Token>& tokens, std::vector<LiteralPlace>& literals)
{
    literals.clear();
    try {
        return Parser(tokens, literals).statement();
    } catch (const SyntaxError&) {
        return std::nullopt;
    }
}

} // namespace cedb
