#pragma once
// The Fields collection and Field objects of a recordset; they read and write through it.
#include "platform/cedb/RecordsetObject.h"

namespace cedb {

class FieldsObject : public Fields {
public:
    explicit FieldsObject(std::shared_ptr<RecordsetObject> recordset) : m_recordset(std::move(recordset)) {}
    HRESULT get_Count(std::int32_t& count) override;
    // By position (a number) or by name, ignoring case.
    HRESULT get_Item(const Variant& index, std::shared_ptr<Field>& field) override;

private:
    std::shared_ptr<RecordsetObject> m_recordset;
};

class FieldObject : public Field {
public:
    FieldObject(std::shared_ptr<RecordsetObject> recordset, int index)
        : m_recordset(std::move(recordset)), m_index(index) {}
    HRESULT get_Name(QString& name) override;
    HRESULT get_Type(int& type) override;
    HRESULT get_Value(Variant& value) override;
    HRESULT put_Value(const Variant& value) override;

private:
    std::shared_ptr<RecordsetObject> m_recordset;
    int m_index;
};

} // namespace cedb
