#pragma once

#include <cstdint>

#include "host/CTeskConstraint.h"
#include "host/CTeskParamStorage.h"
#include "host/TeskTypes.h"
#include "host/TeskValueArray.h"
#include "platform/CString.h"
#include "platform/CStringList.h"

class TeskXMLDocument;
class TeskXMLNode;

// The host's rule base. Rule modules derive their rules from it and fill its members directly;
// the virtual operations are declared in the host's slot order. The base owns the parameters
// and constraints its arrays hold.
class CTeskRule {
public:
    CTeskRule();

    // Slot 0 onwards.
    virtual void InitializeParamStorage() = 0;
    virtual std::int32_t Execute(TeskICadSys* cadSystem, const CTeskData*& data,
                                 TeskResultSet*& results) const = 0;
    virtual void PopulateParametersFromXML(TeskXMLNode* element) = 0;
    virtual TeskXMLNode* GetXML() = 0;
    virtual void RunRule() = 0;
    virtual void UpdateRule(const RuleUnitSystemStructure* from,
                            const RuleUnitSystemStructure* to) = 0;
    virtual bool UpdateRule(CTeskRule* other) = 0;
    virtual void EditRule() = 0;
    virtual std::int32_t Import(TeskXMLDocument* document, TeskXMLNode* element,
                                const CTeskData*& data, TeskICadSys* cadSystem,
                                TeskResultSet*& results) const;
    virtual ~CTeskRule();
    // Takes over the other rule's texts, states, units and the values of the parameters both
    // rules have (same id and value type).
    virtual CTeskRule& operator=(const CTeskRule* other);
    virtual CTeskParamStorage* FindParameterInArray(std::int32_t id);
    virtual void SetRuleStatusForAssemblyModel(int status) = 0;
    virtual bool ValidateInputData();
    virtual std::int32_t GetRequiredInputData();
    virtual void SetInputData(CString& data);
    virtual void SetPreExecutionData(CTeskData*& data);
    virtual std::int32_t GetRuleId();
    virtual bool GetMaterialStatus();
    virtual void PostPopulate();
    virtual bool GetCutterStatus();
    virtual void Heal();

    CTeskRule(const CTeskRule&) = delete;
    CTeskRule& operator=(const CTeskRule&) = delete;

    // A new parameter of this value type (one without values for a type outside 1 to 8); the
    // caller appends it to a rule's parameter array, which then owns it.
    static CTeskParamStorage* CreateParamStorageObject(Type_e valueType, std::int32_t id,
                                                       TeskOperator_e op, TeskParamType_e paramType,
                                                       bool status, bool flag);

    void SetRuleCategory(TeskRuleCategory_e category) { m_eCategory = category; }
    TeskRuleCategory_e GetRuleCategoryEnum() const { return m_eCategory; }

    CString m_strName;
    CString m_strDisplayName;
    CString m_strDescription;
    CString m_strValidatorName;
    CString m_strCategory;
    CString m_strAuxText;
    CString m_strModuleFileName;
    CString m_strInfoText;
    CStringList m_lstEngines;
    std::int32_t m_nRuleStatus = 0;
    std::int32_t m_nSeverity = 0;
    std::int32_t m_nLifeStatus = 0;
    TeskValueArray<CTeskParamStorage*> m_arrParams;
    TeskValueArray<CTeskConstraint*> m_arrConstraints;
    bool m_bParamsReady = false;
    std::int32_t m_nLinearUnit = 0;
    std::int32_t m_nAngularUnit = 0;
    std::int32_t m_nHelpContextId = 0;
    CString m_strHelpFile;

private:
    TeskRuleCategory_e m_eCategory{};
};
