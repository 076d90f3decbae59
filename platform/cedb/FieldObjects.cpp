#include "platform/cedb/FieldObjects.h"

#include "platform/cedb/Failures.h"

namespace cedb {

HRESULT FieldsObject::get_Count(std::int32_t& count)
{
    count = m_recordset->fieldCount();
    return S_OK;
}

HRESULT FieldsObject::get_Item(const Variant& index, std::shared_ptr<Field>& field)
{
    field.reset();
    int position = -1;
    if (index.vt() == VT_BSTR) {
        for (int i = 0; i < m_recordset->fieldCount() && position < 0; ++i)
            if (m_recordset->column(i)->name.compare(index.string(), Qt::CaseInsensitive) == 0)
                position = i;
    } else {
        bool ok = false;
        position = index.toInt(&ok);
        if (!ok)
            position = -1;
    }
    if (!m_recordset->column(position))
        return fail(DB_E_NOTFOUND, QStringLiteral("No field %1").arg(index.toString()));
    field = std::make_shared<FieldObject>(m_recordset, position);
    return S_OK;
}

HRESULT FieldObject::get_Name(QString& name)
{
    const ResultColumn* column = m_recordset->column(m_index);
    if (!column)
        return fail(DB_E_NOTFOUND, QStringLiteral("The field is gone"));
    name = column->name;
    return S_OK;
}

HRESULT FieldObject::get_Type(int& type)
{
    const ResultColumn* column = m_recordset->column(m_index);
    if (!column)
        return fail(DB_E_NOTFOUND, QStringLiteral("The field is gone"));
    type = column->type.code;
    return S_OK;
}

HRESULT FieldObject::get_Value(Variant& value)
{
    return m_recordset->value(m_index, value);
}

HRESULT FieldObject::put_Value(const Variant& value)
{
    return m_recordset->setValue(m_index, value);
}

} // namespace cedb
