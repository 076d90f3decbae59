// Parameters in square brackets: found once each, asked for once each, and placed as values.
#include "QueryDatabase.h"

#include "logic/queries/QueryParameters.h"
#include "platform/framework/Prompts.h"

namespace {

// Answers the parameter prompts from a list and records what was asked; an answer nullopt cancels.
class PromptScript {
public:
    explicit PromptScript(QList<std::optional<QString>> answers) : m_answers(std::move(answers))
    {
        m_previous = framework::setPromptResponder([this](const framework::PromptRequest& request) {
            asked << request.title + QLatin1Char('|') + request.prompt;
            return m_answers.isEmpty() ? std::optional<QString>() : m_answers.takeFirst();
        });
    }
    ~PromptScript() { framework::setPromptResponder(std::move(m_previous)); }

    QStringList asked;

private:
    QList<std::optional<QString>> m_answers;
    framework::PromptResponder m_previous;
};

TEST(QueryParameters, EachNameIsFoundOnceInTheOrderItFirstStands)
{
    EXPECT_EQ(QueryParameterNames(QStringLiteral("SELECT * FROM T WHERE a = [X] OR b = [Y] OR c = [X] OR d = '[Z]'")),
              QStringList({"[X]", "[Y]", "[Z]"}));
    EXPECT_TRUE(QueryParameterNames(QStringLiteral("SELECT * FROM T WHERE a = '[' OR b = [open")).isEmpty());
}

TEST(QueryParameters, ValuesAreNumbersWhenTheyReadAsOneAndQuotedTextOtherwise)
{
    const QString sql = QStringLiteral("SELECT * FROM T WHERE a = [A] AND b LIKE '[A]*' AND c = [B]");
    EXPECT_EQ(SubstituteQueryParameters(sql, {{"[A]", " 5 "}, {"[B]", ""}}),
              QStringLiteral("SELECT * FROM T WHERE a = 5 AND b LIKE '5*' AND c = 0"));
    EXPECT_EQ(SubstituteQueryParameters(sql, {{"[A]", "O'Brien, Zoë"}, {"[B]", "007"}}),
              QStringLiteral("SELECT * FROM T WHERE a = 'O''Brien, Zoë' AND b LIKE 'O''Brien, Zoë*' AND c = '007'"));
    EXPECT_EQ(SubstituteQueryParameters(sql, {{"[A]", "x"}}), QStringLiteral("SELECT * FROM T WHERE a = 'x' AND b LIKE 'x*' AND c = [B]"));
    EXPECT_EQ(QueryStatementForCheck(sql), QStringLiteral("SELECT * FROM T WHERE a = 0 AND b LIKE '0*' AND c = 0"));
}

TEST(QueryParameters, TwoOccurrencesAreAskedForOnceAndCancelAbandonsTheRun)
{
    const QString sql = QStringLiteral("SELECT * FROM T WHERE a = [Min] OR b = [Min] OR c = [Name]");
    {
        PromptScript prompts({QStringLiteral("3"), QStringLiteral("Ann")});
        EXPECT_EQ(AskQueryParameters(sql), QStringLiteral("SELECT * FROM T WHERE a = 3 OR b = 3 OR c = 'Ann'"));
        EXPECT_EQ(prompts.asked, QStringList({"Enter the parameter|[Min]", "Enter the parameter|[Name]"}));
    }
    PromptScript cancelled({QStringLiteral("3"), std::nullopt});
    EXPECT_FALSE(AskQueryParameters(sql));
}

using QueryParametersOnEngine = QueryDatabase;

TEST_F(QueryParametersOnEngine, ATypedConditionMatchesNothingInsteadOfEverything)
{
    const QString sql = QStringLiteral("SELECT Name FROM Customers WHERE Name = [Who]");
    EXPECT_EQ(records(SubstituteQueryParameters(sql, {{"[Who]", "' OR 1=1 --"}})), QStringList());
    EXPECT_EQ(records(SubstituteQueryParameters(sql, {{"[Who]", "x' OR Name LIKE '*"}})), QStringList());
    EXPECT_EQ(records(SubstituteQueryParameters(sql, {{"[Who]", "Smith, John"}})), QStringList{"Smith, John"});
    const QString numbers = QStringLiteral("SELECT OrderID FROM Orders WHERE Qty > [Least] ORDER BY OrderID");
    EXPECT_EQ(records(SubstituteQueryParameters(numbers, {{"[Least]", ""}})).size(), 4);
    EXPECT_EQ(records(SubstituteQueryParameters(numbers, {{"[Least]", "6"}})), QStringList({"10", "12"}));
}

} // namespace
