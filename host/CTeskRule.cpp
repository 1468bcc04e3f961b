#include "host/CTeskRule.h"

#include <type_traits>

namespace {

template <typename T>
T CopyValue(const T& value) {
    if constexpr (std::is_same_v<T, CString*>) {
        return value ? new CString(*value) : nullptr;
    } else if constexpr (std::is_same_v<T, CStringList*>) {
        return value ? new CStringList(*value) : nullptr;
    } else {
        return value;
    }
}

// Copies operator, status and values from source when it has the same value type.
struct ParamValueCopier {
    CTeskParamStorage& source;

    template <Type_e E>
    void operator()(TeskValueTypeTag<E>, TeskParamDataOf<E>& target) const {
        const TeskParamDataOf<E>* from = source.GetData<E>();
        if (!from) {
            return;
        }
        target.Operator = from->Operator;
        target.Status = from->Status;
        target.Values.Reset();
        for (int i = 0; i < from->Values.GetCount(); ++i) {
            target.Values.Add(CopyValue(from->Values.ElementAt(i)));
        }
    }
};

}  // namespace

CTeskRule::CTeskRule() = default;

CTeskRule::~CTeskRule() = default;

std::int32_t CTeskRule::Import(TeskXMLDocument*, TeskXMLNode*, const CTeskData*&, TeskICadSys*,
                               TeskResultSet*&) const {
    return 0;
}

CTeskRule& CTeskRule::operator=(const CTeskRule* other) {
    if (!other || other == this) {
        return *this;
    }
    m_strName = other->m_strName;
    m_strDisplayName = other->m_strDisplayName;
    m_strDescription = other->m_strDescription;
    m_strValidatorName = other->m_strValidatorName;
    m_strCategory = other->m_strCategory;
    m_strAuxText = other->m_strAuxText;
    m_strModuleFileName = other->m_strModuleFileName;
    m_nRuleStatus = other->m_nRuleStatus;
    m_nSeverity = other->m_nSeverity;
    m_nLifeStatus = other->m_nLifeStatus;
    m_nLinearUnit = other->m_nLinearUnit;
    m_nAngularUnit = other->m_nAngularUnit;
    for (int i = 0; i < other->m_arrParams.GetCount(); ++i) {
        CTeskParamStorage* source = other->m_arrParams.ElementAt(i);
        const TeskParamFields* fields = source ? source->GetFields() : nullptr;
        CTeskParamStorage* target = fields ? FindParameterInArray(fields->Id) : nullptr;
        if (target) {
            target->Visit(ParamValueCopier{*source});
        }
    }
    return *this;
}

CTeskParamStorage* CTeskRule::FindParameterInArray(std::int32_t id) {
    for (int i = 0; i < m_arrParams.GetCount(); ++i) {
        CTeskParamStorage* param = m_arrParams.ElementAt(i);
        if (param && param->GetFields() && param->GetFields()->Id == id) {
            return param;
        }
    }
    return nullptr;
}

bool CTeskRule::ValidateInputData() {
    return true;
}
std::int32_t CTeskRule::GetRequiredInputData() {
    return 0;
}
void CTeskRule::SetInputData(CString&) {}
void CTeskRule::SetPreExecutionData(CTeskData*&) {}
std::int32_t CTeskRule::GetRuleId() {
    return 0;
}
bool CTeskRule::GetMaterialStatus() {
    return false;
}
void CTeskRule::PostPopulate() {}
bool CTeskRule::GetCutterStatus() {
    return false;
}
void CTeskRule::Heal() {}

CTeskParamStorage* CTeskRule::CreateParamStorageObject(Type_e valueType, std::int32_t id,
                                                       TeskOperator_e op, TeskParamType_e paramType,
                                                       bool status, bool /*flag*/) {
    return new CTeskParamStorage(valueType, id, op, paramType, status);
}
