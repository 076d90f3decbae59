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
    // The count and the stored entries number only the first three; the others are offered beside them.
    QStringList list{QStringLiteral(","),     QStringLiteral("[Space]"), QStringLiteral("[NewLine]"),
                     QStringLiteral("[Tab]"), QStringLiteral(";"),       QStringLiteral("|")};
    const int count = framework::GetProfileInt(kSection, kCount, kBuiltIn);
    for (int entry = kBuiltIn + 1; entry <= count; ++entry)
        if (const QString text = framework::GetProfileString(kSection, keyOf(entry)); !text.isEmpty() && !list.contains(text))
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
