#include "filebrowser/component/TypeLibrary.h"

#include "filebrowser/IFileBrowser.h"
#include "filebrowser/component/RefCount.h"

#include <array>

namespace kestrine {
namespace {

Member property(MemberId id, const char* name, WORD kinds)
{
    const QString text = QString::fromLatin1(name);
    return {id, text, kinds, QStringLiteral("property ") + text};
}

const std::array<Member, 10>& members()
{
    static const std::array<Member, 10> all = {
        Member{IdOpen, QStringLiteral("Open"), DISPATCH_METHOD, QStringLiteral("method Open")},
        property(IdFileName, "FileName", DISPATCH_PROPERTYGET),
        property(IdTitle, "Title", DISPATCH_PROPERTYPUT),
        property(IdDefaultDirectory, "DefaultDirectory", DISPATCH_PROPERTYPUT),
        property(IdFilters, "Filters", DISPATCH_PROPERTYPUT),
        property(IdOkCancel, "OkCancel", DISPATCH_PROPERTYGET),
        property(IdFilePath, "FilePath", DISPATCH_PROPERTYGET),
        property(IdShowOnlyFolders, "ShowOnlyFolders", DISPATCH_PROPERTYPUT),
        property(IdMaxFilesize, "MaxFilesize", DISPATCH_PROPERTYPUT),
        property(IdTag, "Tag", DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT),
    };
    return all;
}

class FileBrowserTypeInfo final : public ITypeInfo {
public:
    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (!(iid == IID_IUnknown))
            return E_NOINTERFACE;
        *object = static_cast<ITypeInfo*>(this);
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return m_refs.addRef(); }
    ULONG Release() override { return m_refs.release(this); }

    // The structure-based descriptions are not kept; names, ids and help strings are.
    HRESULT GetTypeAttr(TYPEATTR**) override { return E_NOTIMPL; }
    HRESULT GetTypeComp(ITypeComp**) override { return E_NOTIMPL; }
    HRESULT GetFuncDesc(UINT, FUNCDESC**) override { return E_NOTIMPL; }
    HRESULT GetVarDesc(UINT, VARDESC**) override { return E_NOTIMPL; }
    HRESULT GetRefTypeOfImplType(UINT, HREFTYPE*) override { return E_NOTIMPL; }
    HRESULT GetImplTypeFlags(UINT, INT*) override { return E_NOTIMPL; }

    HRESULT GetNames(MEMBERID memid, BSTR* names, UINT maxNames, UINT* namesFound) override
    {
        if (!names || !namesFound)
            return E_INVALIDARG;
        *namesFound = 0;
        const Member* member = findMember(memid);
        if (!member)
            return DISP_E_MEMBERNOTFOUND;
        if (maxNames > 0) {
            names[0] = com::allocString(member->name);
            *namesFound = 1;
        }
        return S_OK;
    }

    HRESULT GetIDsOfNames(LPOLESTR* names, UINT count, MEMBERID* memids) override
    {
        if ((!names || !memids) && count > 0)
            return E_INVALIDARG;
        HRESULT result = S_OK;
        for (UINT i = 0; i < count; ++i) {
            const Member* member = i == 0 ? findMember(com::fromOleString(names[0])) : nullptr;
            memids[i] = member ? member->id : DISPID_UNKNOWN;
            if (!member)
                result = DISP_E_UNKNOWNNAME;
        }
        return result;
    }

    HRESULT Invoke(void* instance, MEMBERID memid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* excepInfo, UINT* argErr) override
    {
        if (!instance)
            return E_INVALIDARG;
        return static_cast<IFileBrowser*>(instance)->Invoke(memid, IID_NULL, kLibraryLocale, flags, params, result,
                                                            excepInfo, argErr);
    }

    HRESULT GetDocumentation(MEMBERID memid, BSTR* name, BSTR* docString, DWORD* helpContext,
                             BSTR* helpFile) override
    {
        QString memberName = kInterfaceName;
        QString help = kInterfaceHelp;
        if (memid != MEMBERID_NIL) {
            const Member* member = findMember(memid);
            if (!member)
                return TYPE_E_ELEMENTNOTFOUND;
            memberName = member->name;
            help = member->help;
        }
        if (name)
            *name = com::allocString(memberName);
        if (docString)
            *docString = com::allocString(help);
        if (helpContext)
            *helpContext = 0;
        if (helpFile)
            *helpFile = nullptr;
        return S_OK;
    }

private:
    RefCount m_refs;
};

} // namespace

const Member* findMember(DISPID id)
{
    for (const Member& member : members())
        if (member.id == id)
            return &member;
    return nullptr;
}

const Member* findMember(const QString& name)
{
    for (const Member& member : members())
        if (member.name.compare(name, Qt::CaseInsensitive) == 0)
            return &member;
    return nullptr;
}

ITypeInfo* createTypeInfo()
{
    return new FileBrowserTypeInfo;
}

} // namespace kestrine
