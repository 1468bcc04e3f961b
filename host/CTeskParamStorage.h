#pragma once

#include <memory>

#include "host/TeskParamData.h"

// One parameter of a rule: its value type and its typed record. A value type outside 1 to 8
// has no record.
class CTeskParamStorage {
public:
    CTeskParamStorage(Type_e valueType, std::int32_t id, TeskOperator_e op,
                      TeskParamType_e paramType, bool status);
    virtual ~CTeskParamStorage();
    CTeskParamStorage(const CTeskParamStorage&) = delete;
    CTeskParamStorage& operator=(const CTeskParamStorage&) = delete;

    Type_e GetValueType() const { return m_eValueType; }

    // The fields shared by all value types; null when the value type has no record.
    TeskParamFields* GetFields() { return m_pData.get(); }
    const TeskParamFields* GetFields() const { return m_pData.get(); }

    // The typed record, or null when the value type is not E.
    template <Type_e E>
    TeskParamDataOf<E>* GetData() {
        return m_eValueType == E ? static_cast<TeskParamDataOf<E>*>(m_pData.get()) : nullptr;
    }

    // Calls visitor(TeskValueTypeTag<E>{}, TeskParamDataOf<E>&) for the parameter's value type;
    // false when the value type is outside 1 to 8.
    template <typename Visitor>
    bool Visit(Visitor&& visitor);

private:
    template <Type_e E, typename Visitor>
    void VisitAs(Visitor& visitor) {
        visitor(TeskValueTypeTag<E>{}, *GetData<E>());
    }

    Type_e m_eValueType;
    std::unique_ptr<TeskParamFields> m_pData;
};

template <typename Visitor>
bool CTeskParamStorage::Visit(Visitor&& visitor) {
    if (!m_pData) {
        return false;
    }
    switch (m_eValueType) {
        case TESK_TYPE_INT:
            VisitAs<TESK_TYPE_INT>(visitor);
            return true;
        case TESK_TYPE_LONG:
            VisitAs<TESK_TYPE_LONG>(visitor);
            return true;
        case TESK_TYPE_BOOL:
            VisitAs<TESK_TYPE_BOOL>(visitor);
            return true;
        case TESK_TYPE_DOUBLE:
            VisitAs<TESK_TYPE_DOUBLE>(visitor);
            return true;
        case TESK_TYPE_TEXT:
            VisitAs<TESK_TYPE_TEXT>(visitor);
            return true;
        case TESK_TYPE_OPAQUE:
            VisitAs<TESK_TYPE_OPAQUE>(visitor);
            return true;
        case TESK_TYPE_UNSIGNED:
            VisitAs<TESK_TYPE_UNSIGNED>(visitor);
            return true;
        case TESK_TYPE_TEXT_LIST:
            VisitAs<TESK_TYPE_TEXT_LIST>(visitor);
            return true;
    }
    return false;
}
