#pragma once
// The paper a print goes on: its size and orientation, with the margins every print keeps. Printing
// happens in points inside the margins.
#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>

struct PageSetup {
    QPageSize::PageSizeId paper = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;

    static constexpr double kMarginMm = 15;

    QPageLayout layout() const;
    // The area inside the margins, in points.
    QSizeF bodySize() const;
    bool operator==(const PageSetup&) const = default;
};

// The papers offered, by the names reports store: "A4", "A5", "Letter", "Legal".
QStringList paperNames();
QString paperName(QPageSize::PageSizeId paper);
std::optional<QPageSize::PageSizeId> paperOfName(const QString& name);
