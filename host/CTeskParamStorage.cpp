#include "host/CTeskParamStorage.h"

namespace {

template <Type_e E>
std::unique_ptr<TeskParamFields> MakeRecord() {
    return std::make_unique<TeskParamDataOf<E>>();
}

std::unique_ptr<TeskParamFields> MakeRecordFor(Type_e valueType) {
    switch (valueType) {
        case TESK_TYPE_INT:
            return MakeRecord<TESK_TYPE_INT>();
        case TESK_TYPE_LONG:
            return MakeRecord<TESK_TYPE_LONG>();
        case TESK_TYPE_BOOL:
            return MakeRecord<TESK_TYPE_BOOL>();
        case TESK_TYPE_DOUBLE:
            return MakeRecord<TESK_TYPE_DOUBLE>();
        case TESK_TYPE_TEXT:
            return MakeRecord<TESK_TYPE_TEXT>();
        case TESK_TYPE_OPAQUE:
            return MakeRecord<TESK_TYPE_OPAQUE>();
        case TESK_TYPE_UNSIGNED:
            return MakeRecord<TESK_TYPE_UNSIGNED>();
        case TESK_TYPE_TEXT_LIST:
            return MakeRecord<TESK_TYPE_TEXT_LIST>();
    }
    return nullptr;
}

}  // namespace

CTeskParamStorage::CTeskParamStorage(Type_e valueType, std::int32_t id, TeskOperator_e op,
                                     TeskParamType_e paramType, bool status)
    : m_eValueType(valueType), m_pData(MakeRecordFor(valueType)) {
    if (m_pData) {
        m_pData->Id = id;
        m_pData->Operator = op;
        m_pData->ParameterType = paramType;
        m_pData->Status = status;
    }
}

CTeskParamStorage::~CTeskParamStorage() = default;
