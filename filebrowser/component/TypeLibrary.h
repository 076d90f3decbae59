#pragma once
// The type library that describes IFileBrowser: its identity, and each member's name, dispatch id,
// kind and help string. The dispatch side of the object and its type information both read it.
#include "platform/com/com.h"

#include <QString>

namespace kestrine {

inline const QString kLibraryName = QStringLiteral("KESTRINELib");
constexpr WORD kLibraryMajor = 1;
constexpr WORD kLibraryMinor = 0;
constexpr LCID kLibraryLocale = 1033;
inline const QString kInterfaceName = QStringLiteral("IFileBrowser");
inline const QString kInterfaceHelp = QStringLiteral("IFileBrowser Interface");

enum MemberId : DISPID {
    IdOpen = 1,
    IdFileName = 2,
    IdTitle = 3,
    IdDefaultDirectory = 4,
    IdFilters = 5,
    IdOkCancel = 6,
    IdFilePath = 7,
    IdShowOnlyFolders = 8,
    IdMaxFilesize = 9,
    IdTag = 10,
};

struct Member {
    MemberId id;
    QString name;
    WORD kinds; // DISPATCH_METHOD, or DISPATCH_PROPERTYGET and/or DISPATCH_PROPERTYPUT
    QString help;
};

const Member* findMember(DISPID id);
// Names compare without regard to case, as dispatch names do.
const Member* findMember(const QString& name);

// IFileBrowser's type information. Invoke forwards to the instance's own IDispatch::Invoke.
ITypeInfo* createTypeInfo();

} // namespace kestrine
