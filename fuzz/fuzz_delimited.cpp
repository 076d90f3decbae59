// The delimited text reader: the first byte picks a delimiter of the list, the rest is the file.
#include "FuzzSupport.h"

#include "tables/delimited/DelimitedReader.h"
#include "tables/delimited/TextSource.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    fuzz::prepareProcess();
    static const QStringList entries{QStringLiteral(","), QStringLiteral(";"), QStringLiteral("\t"),
                                     QStringLiteral("[Space]"), QStringLiteral("[NewLine]"), QStringLiteral(",;|")};
    const Delimiter delimiter = Delimiter::fromListEntry(entries[data[0] % entries.size()]);
    const QString path = fuzz::hostPath(QStringLiteral("input.txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data + 1), qint64(size - 1));
    }
    TextSource source;
    if (!source.open(path))
        return 0;
    DelimitedReader reader(source, delimiter);
    DelimitedRecord record;
    while (reader.next(record)) {
    }
    return 0;
}
