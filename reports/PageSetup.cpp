#include "reports/PageSetup.h"

#include <QRectF>

#include <array>
#include <utility>

namespace {
const std::array<std::pair<const char*, QPageSize::PageSizeId>, 4> kPapers = {{
    {"A4", QPageSize::A4}, {"A5", QPageSize::A5}, {"Letter", QPageSize::Letter}, {"Legal", QPageSize::Legal}}};
} // namespace

QPageLayout PageSetup::layout() const
{
    return QPageLayout(QPageSize(paper), orientation, QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

QSizeF PageSetup::bodySize() const { return layout().paintRect(QPageLayout::Point).size(); }

QStringList paperNames()
{
    QStringList names;
    for (const auto& [name, id] : kPapers)
        names << QString::fromLatin1(name);
    return names;
}

QString paperName(QPageSize::PageSizeId paper)
{
    for (const auto& [name, id] : kPapers)
        if (id == paper)
            return QString::fromLatin1(name);
    return QStringLiteral("A4");
}

std::optional<QPageSize::PageSizeId> paperOfName(const QString& name)
{
    for (const auto& [known, id] : kPapers)
        if (name.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return id;
    return std::nullopt;
}
