#pragma once

#include <cstdint>
#include <span>

#include "host/CTeskRule.h"
#include "rules/DescriptionComparison.h"

// One parameter a rule creates, with the factory's arguments.
struct RuleParamSpec {
    std::int32_t id;
    Type_e valueType;
    TeskOperator_e op;
    TeskParamType_e paramType;
    bool status;
    // Values the defaults leave in front, removed before the stored ones are read (the reader
    // appends); kAllValues clears the list.
    int defaultValueCount;
};

inline constexpr int kAllValues = -1;

// A measured value that a unit change converts: value index of a parameter, and unit kind.
struct ConvertedValue {
    std::int32_t id;
    int index;
    int unitKind;
};

// Which unit code a rule takes from its parent element when it is loaded.
enum class UnitOnLoad { None, ParentLinear, ParentAngular };
// Which unit codes a unit change stores in the rule.
enum class StoredUnits { None, AngularOnly, Both };

// What distinguishes one rule from another, as data; a rule names only what differs from these.
struct RuleDefinition {
    UINT nameId = 0;
    // The description format: the first text, then the second (0 for none), as sentences of
    // their own when the first ends one, else adjoined.
    UINT descriptionId = 0;
    UINT secondDescriptionId = 0;
    bool partsAreSentences = false;
    std::int32_t defaultSeverity = 1;
    std::int32_t executeResult = 0;
    bool usesHostImport = false;
    bool betaLabelPrefix = false;
    std::span<const RuleParamSpec> params = {};
    UnitOnLoad unitOnLoad = UnitOnLoad::None;
    std::span<const ConvertedValue> convertedValues = {};
    StoredUnits storedUnits = StoredUnits::None;
};

// The rule pattern every rule of this module follows: construction with texts and defaults,
// the rule element, unit changes and the description. A rule adds its definition, its
// defaults (InitializeParamStorage) and its description (ReadXML).
class CTeskCommonRule : public CTeskRule {
public:
    // The rule with the module's own validator, engine and category.
    CTeskCommonRule(const RuleDefinition& definition, int helpContextId);
    // The rule with the caller's names and category.
    CTeskCommonRule(const RuleDefinition& definition, const CString& engineName,
                    const CString& validatorName, TeskRuleCategory_e category, int helpContextId);
    // Out of line: the virtual table stays inside the module (app/ModuleExports.map).
    ~CTeskCommonRule() override;

    std::int32_t Execute(TeskICadSys* cadSystem, const CTeskData*& data,
                         TeskResultSet*& results) const override;
    void PopulateParametersFromXML(TeskXMLNode* element) override;
    TeskXMLNode* GetXML() override;
    void RunRule() override {}
    void UpdateRule(const RuleUnitSystemStructure* from,
                    const RuleUnitSystemStructure* to) override;
    bool UpdateRule(CTeskRule*) override { return true; }
    void EditRule() override;
    std::int32_t Import(TeskXMLDocument* document, TeskXMLNode* element, const CTeskData*& data,
                        TeskICadSys* cadSystem, TeskResultSet*& results) const override;
    void SetRuleStatusForAssemblyModel(int) override {}

protected:
    // Recomposes m_strDescription from the current values; rules with a fixed text keep it.
    virtual void ReadXML() {}
    // Runs the rule's editing dialog; a rule without one only recomposes its description.
    virtual void RunDialog() {}
    // Brings old value shapes into the current one before values are converted.
    virtual void NormaliseValues() {}

    // Creates every parameter of the definition and appends it to the rule.
    void CreateParameters();
    // True when every parameter of the definition is in the rule.
    bool HasAllParameters();
    // The double values of a parameter; null when it is missing or holds another type.
    TeskValueArray<double>* DoubleValues(std::int32_t id);
    TeskParamDataOf<TESK_TYPE_DOUBLE>* DoubleParam(std::int32_t id);

    // Sets the leading values: appended to an empty list, else overwritten (the missing ones
    // appended).
    static void SetDefaults(TeskValueArray<double>& values, std::initializer_list<double> defaults);
    // The display text of value index, empty when the parameter holds no such value.
    static CString ValueText(const TeskValueArray<double>& values, int index);
    // The definition's description format formatted with these texts.
    CString FormatDescription(std::initializer_list<CString> texts) const;
    // The definition's description format stating these comparisons.
    CString DescribeComparisons(std::initializer_list<Comparison> comparisons,
                                ComparisonWording wording) const;
    // A format text of the language library formatted with these texts.
    static CString FormatResource(UINT formatId, std::initializer_list<CString> texts);
    // A format text of the language library stating these comparisons.
    static CString FormatComparisons(UINT formatId, std::initializer_list<Comparison> comparisons,
                                     ComparisonWording wording);
    // The language library's text with this id.
    static CString ResourceText(UINT id);
    // Gives a value list of one value the leading on value, as older records lacked it.
    static void EnsureLeadingOnValue(TeskValueArray<double>& values);
    // A part whose leading on/off value is missing or below one in size is off.
    static bool IsSwitchedOn(const TeskValueArray<double>& values);
    // The format text of the definition's description.
    CString DescriptionFormat() const;

    const RuleDefinition& Definition() const { return m_definition; }

private:
    void LoadTexts();
    void RemoveDefaultValues();
    void ReadUnitFromParent(TeskXMLNode* element);
    void ConvertValues(const RuleUnitSystemStructure& from, const RuleUnitSystemStructure& to);
    void StoreUnits(const RuleUnitSystemStructure& to);

    const RuleDefinition& m_definition;
};
