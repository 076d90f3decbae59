#include "tables/delimited/DelimiterList.h"

#include "platform/framework/Profile.h"

namespace {
const QString kSection = QStringLiteral("COMBOBOX_DELIMITER_LIST");
const QString kCount = QStringLiteral("DelimiterCount");
constexpr int kBuiltIn = 3;

QString keyOf(int entry) { return QStringLiteral("Delimit") + QString::number(entry); }
} // namespace

namespace delimiters {

QStringList entries()
{
    QStringList list{QStringLiteral(","), QStringLiteral("[Space]"), QStringLiteral("[NewLine]")};
    const int count = framework::GetProfileInt(kSection, kCount, kBuiltIn);
    for (int entry = kBuiltIn + 1; entry <= count; ++entry)
        if (const QString text = framework::GetProfileString(kSection, keyOf(entry)); !text.isEmpty())
            list << text;
    return list;
}

void remember(const QString& delimiter)
{
    if (delimiter.isEmpty() || entries().contains(delimiter))
        return;
    const int count = std::max(kBuiltIn, framework::GetProfileInt(kSection, kCount, kBuiltIn)) + 1;
    framework::WriteProfileInt(kSection, kCount, count);
    framework::WriteProfileString(kSection, keyOf(count), delimiter);
}

} // namespace delimiters
