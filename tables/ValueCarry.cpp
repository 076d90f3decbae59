#include "tables/ValueCarry.h"

#include "tables/FieldTypes.h"

namespace {
Variant changed(const Variant& value, VARTYPE target)
{
    Variant out;
    if (target == VT_BOOL && value.vt() == VT_BSTR) {
        bool flag = false;
        return automation::parseBool(value.string(), flag) ? Variant(flag) : Variant();
    }
    return FAILED(value.changeType(target, out)) ? Variant() : out;
}
} // namespace

Variant carriedValue(const Variant& value, const QString& newType, int textSize)
{
    using namespace fieldtypes;
    if (value.isEmpty() || value.isNull())
        return {};
    if (newType == kText || newType == kMemo) {
        bool ok = false;
        const QString text = value.toString(&ok);
        if (!ok || (newType == kText && text.size() > textSize))
            return {};
        return Variant(text);
    }
    if (newType == kInteger || newType == kAutoNumber)
        return changed(value, VT_I4);
    if (newType == kDouble)
        return changed(value, VT_R8);
    if (newType == kDateTime)
        return changed(value, VT_DATE);
    if (newType == kBoolean)
        return changed(value, VT_BOOL);
    // OLE Object keeps bytes: only binary values and texts carry over.
    if (newType == kOleObject && (value.isArray() || value.vt() == VT_BSTR))
        return value;
    return {};
}
