#include "dialogs/DialogSteps.h"

#include "dialogs/RuleDialogFields.h"
#include "host/CTeskRule.h"
#include "platform/window/CDialog.h"
#include "platform/window/CStatic.h"

namespace {

using Kind = DialogStep::Kind;
using DoubleParam = TeskParamDataOf<TESK_TYPE_DOUBLE>;

// The dialog and the rule the steps work on. A control of another kind than the step
// needs (a template mistake) counts as missing.
class StepTarget {
public:
    StepTarget(CDialog& dialog, CTeskRule* rule) : m_dialog(dialog), m_rule(rule) {}

    template <typename Control>
    Control* Find(const DialogStep& step) const {
        return dynamic_cast<Control*>(m_dialog.GetDlgItem(step.controlId));
    }
    // A value shows in an edit box, or read-only in a static text.
    CWnd* FindValueBox(const DialogStep& step) const {
        CWnd* box = m_dialog.GetDlgItem(step.controlId);
        return dynamic_cast<CEdit*>(box) || dynamic_cast<CStatic*>(box) ? box : nullptr;
    }
    DoubleParam* Parameter(const DialogStep& step) const {
        return FindDoubleParameter(m_rule, step.paramId);
    }
    CTeskRule* Rule() const { return m_rule; }

private:
    CDialog& m_dialog;
    CTeskRule* m_rule;
};

// The rule, parameter and control steps only look for their piece.
bool FindsItsPiece(const StepTarget& target, const DialogStep& step) {
    switch (step.kind) {
        case Kind::Rule:
            return target.Rule() != nullptr;
        case Kind::Parameter:
            return target.Parameter(step) != nullptr;
        default:
            return target.Find<CWnd>(step) != nullptr;
    }
}

// Runs the action on the control (and the parameter); false, having done nothing, when a piece
// is missing.
template <typename Control, typename Action>
bool With(Control* control, Action action) {
    if (!control) {
        return false;
    }
    action(*control);
    return true;
}

template <typename Control, typename Action>
bool With(Control* control, DoubleParam* param, Action action) {
    if (!control || !param) {
        return false;
    }
    action(*control, *param);
    return true;
}

bool Show(const StepTarget& target, const DialogStep& step, const CString& unitLabel) {
    switch (step.kind) {
        case Kind::SeverityList:
            return With(target.Find<CWrapperComboCtrl>(step), FillSeverityBox);
        case Kind::OperatorList:
            return With(target.Find<CWrapperComboCtrl>(step),
                        [&](CWrapperComboCtrl& box) { FillOperatorList(box, step.operators); });
        case Kind::Severity:
            return target.Rule() && With(target.Find<CComboBox>(step), [&](CComboBox& box) {
                       ShowSeverity(box, target.Rule()->m_nSeverity);
                   });
        case Kind::Operator:
            return With(
                target.Find<CComboBox>(step), target.Parameter(step),
                [](CComboBox& box, DoubleParam& param) { ShowOperator(box, param.Operator); });
        case Kind::Value:
            return With(target.FindValueBox(step), target.Parameter(step),
                        [&](CWnd& box, DoubleParam& param) {
                            ShowValue(box, param.Values, step.valueIndex);
                        });
        case Kind::Status:
            return With(target.Find<CButton>(step), target.Parameter(step),
                        [](CButton& box, DoubleParam& param) {
                            box.SetCheck(param.Status ? BST_CHECKED : BST_UNCHECKED);
                        });
        case Kind::OnOffFlag:
            return With(target.Find<CButton>(step), target.Parameter(step),
                        [&](CButton& box, DoubleParam& param) {
                            ShowOnOffValue(box, param.Values, step.valueIndex);
                        });
        case Kind::UnitLabel:
            return With(target.Find<CWnd>(step),
                        [&](CWnd& label) { label.SetWindowText(unitLabel); });
        default:
            return FindsItsPiece(target, step);
    }
}

bool TakeBack(const StepTarget& target, const DialogStep& step) {
    switch (step.kind) {
        case Kind::SeverityList:
        case Kind::OperatorList:
        case Kind::UnitLabel:
            return true;  // what the dialog only shows has nothing to give back
        case Kind::Severity:
            return target.Rule() && With(target.Find<CComboBox>(step), [&](CComboBox& box) {
                       TakeSeverityBack(box, target.Rule()->m_nSeverity);
                   });
        case Kind::Operator:
            return With(
                target.Find<CComboBox>(step), target.Parameter(step),
                [](CComboBox& box, DoubleParam& param) { TakeOperatorBack(box, param.Operator); });
        case Kind::Value:
            return With(target.FindValueBox(step), target.Parameter(step),
                        [&](CWnd& box, DoubleParam& param) {
                            TakeValueBack(box, param.Values, step.valueIndex);
                        });
        case Kind::Status:
            return With(target.Find<CButton>(step), target.Parameter(step),
                        [](CButton& box, DoubleParam& param) {
                            param.Status = box.GetCheck() == BST_CHECKED;
                        });
        case Kind::OnOffFlag:
            return With(target.Find<CButton>(step), target.Parameter(step),
                        [&](CButton& box, DoubleParam& param) {
                            TakeOnOffValueBack(box, param.Values, step.valueIndex);
                        });
        default:
            return FindsItsPiece(target, step);
    }
}

template <typename DoStep>
bool RunSteps(std::span<const DialogStep> steps, DoStep doStep) {
    for (const DialogStep& step : steps) {
        if (!doStep(step) && step.stopsWhenMissing) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool ShowSteps(CDialog& dialog, CTeskRule* rule, std::span<const DialogStep> steps,
               const CString& unitLabel) {
    const StepTarget target(dialog, rule);
    return RunSteps(steps, [&](const DialogStep& step) { return Show(target, step, unitLabel); });
}

bool TakeBackSteps(CDialog& dialog, CTeskRule* rule, std::span<const DialogStep> steps) {
    const StepTarget target(dialog, rule);
    return RunSteps(steps, [&](const DialogStep& step) { return TakeBack(target, step); });
}
