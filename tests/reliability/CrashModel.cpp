#include "CrashModel.h"

#include <array>
#include <iterator>

namespace crashtrial {

namespace {
constexpr int kCycle = 8;
} // namespace

StepKind kindOf(int step)
{
    switch (step % kCycle) {
    case 0:
    case 1:
    case 4:
        return StepKind::AddRecord;
    case 2:
        return StepKind::ChangeRecord;
    case 3:
        return StepKind::DeleteRecord;
    case 5:
        // Field steps come in threes over successive cycles: add, retype, drop.
        return std::array{StepKind::AddField, StepKind::RetypeField, StepKind::DropField}[(step / kCycle) % 3];
    case 6:
        return StepKind::SaveCatalogueRows;
    default:
        return StepKind::AddRecord;
    }
}

QString nameOfRecord(int step) { return QStringLiteral("O'Brien n%1 é").arg(step); }

QString fieldOfStep(int step)
{
    const int cycle = step / kCycle;
    return QStringLiteral("F%1").arg(cycle - cycle % 3);
}

CatalogueRow catalogueRowOfStep(int step)
{
    static const std::array<CatalogueRow, 4> kinds{{{QStringLiteral("XNSysForms"), QStringLiteral("FormName"), QStringLiteral("Form %1")},
                                                    {QStringLiteral("XNSysRelations"), QStringLiteral("LeftTable"), QStringLiteral("Rel %1")},
                                                    {QStringLiteral("XNSysQueries"), QStringLiteral("QueryName"), QStringLiteral("Query %1")},
                                                    {QStringLiteral("XNSysMacros"), QStringLiteral("MacroName"), QStringLiteral("M%1")}}};
    CatalogueRow row = kinds[(step / kCycle) % kinds.size()];
    row.name = row.name.arg(step);
    return row;
}

QString changedName(const QString& name)
{
    return name.endsWith(QLatin1Char('*')) ? name.chopped(1) : name + QLatin1Char('*');
}

ExpectedState expectedAfter(int steps)
{
    ExpectedState state;
    for (int step = 0; step < steps; ++step) {
        switch (kindOf(step)) {
        case StepKind::AddRecord:
            state.people.insert(step, nameOfRecord(step));
            break;
        case StepKind::ChangeRecord:
            if (!state.people.isEmpty())
                state.people.first() = changedName(state.people.first());
            break;
        case StepKind::DeleteRecord:
            if (!state.people.isEmpty())
                state.people.erase(std::prev(state.people.end()));
            break;
        case StepKind::AddField:
            state.shapeFields << fieldOfStep(step);
            state.shapeTypes << QStringLiteral("Text");
            break;
        case StepKind::RetypeField:
            state.shapeTypes.last() = QStringLiteral("Integer");
            break;
        case StepKind::DropField:
            state.shapeFields.removeLast();
            state.shapeTypes.removeLast();
            break;
        case StepKind::SaveCatalogueRows:
            state.savedRows << catalogueRowOfStep(step).table + QLatin1Char(':') + catalogueRowOfStep(step).name;
            break;
        }
    }
    return state;
}

} // namespace crashtrial
