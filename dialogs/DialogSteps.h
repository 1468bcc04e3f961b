#pragma once

#include <cstdint>
#include <span>

#include "host/TeskTypes.h"
#include "platform/CString.h"

class CDialog;
class CTeskRule;

// The rule dialogs differ only in the order of their steps, their control and parameter ids and
// where they stop when a piece is missing. Each dialog states its opening and its OK as an
// ordered list of these steps; one runner shows them, the other takes them back.
//
//     constexpr DialogStep kOpening[] = {
//         step::SeverityList(1121),
//         step::Rule(), step::Parameter(2120),
//         step::Operator(1111, 2120), step::Value(1113, 2120), step::Severity(1121),
//         step::UnitLabel(1114),
//     };
//
// A step whose control or parameter is missing stops the run there, so that what comes after
// it is left as it was; steps marked SkippedWhenMissing() are passed over instead.
struct DialogStep {
    enum class Kind {
        Rule,          // the dialog has a rule
        Parameter,     // the rule has this parameter of double values
        Control,       // the template has this control
        SeverityList,  // opening: fills the box with the severity texts
        OperatorList,  // opening: fills the box with these operators' texts
        Severity,      // the box shows, and gives back, the rule's severity
        Operator,      // the box shows, and gives back, the parameter's operator
        Value,         // the edit box or static text shows, and gives back, value n
        Status,        // the check box shows, and gives back, the parameter's on/off Status
        OnOffFlag,     // the check box shows, and gives back, value n of the parameter as 0 or 1
        UnitLabel,     // opening: the static text shows the unit label
    };

    Kind kind = Kind::Rule;
    int controlId = 0;
    std::int32_t paramId = 0;
    int valueIndex = 0;
    std::span<const TeskOperator_e> operators = {};
    bool stopsWhenMissing = true;

    // For dialogs that address their controls through members: a missing control is passed
    // over, its value neither shown nor taken back.
    constexpr DialogStep SkippedWhenMissing() const {
        DialogStep step = *this;
        step.stopsWhenMissing = false;
        return step;
    }
};

namespace step {

constexpr DialogStep Rule() {
    return {.kind = DialogStep::Kind::Rule};
}
constexpr DialogStep Parameter(std::int32_t id) {
    return {.kind = DialogStep::Kind::Parameter, .paramId = id};
}
constexpr DialogStep Control(int id) {
    return {.kind = DialogStep::Kind::Control, .controlId = id};
}
// Filling works through the box's member, which does nothing when the box is missing.
constexpr DialogStep SeverityList(int box) {
    return {.kind = DialogStep::Kind::SeverityList, .controlId = box, .stopsWhenMissing = false};
}
constexpr DialogStep OperatorList(int box, std::span<const TeskOperator_e> operators) {
    return {.kind = DialogStep::Kind::OperatorList,
            .controlId = box,
            .operators = operators,
            .stopsWhenMissing = false};
}
constexpr DialogStep Severity(int box) {
    return {.kind = DialogStep::Kind::Severity, .controlId = box};
}
constexpr DialogStep Operator(int box, std::int32_t param) {
    return {.kind = DialogStep::Kind::Operator, .controlId = box, .paramId = param};
}
constexpr DialogStep Value(int box, std::int32_t param, int index = 0) {
    return {
        .kind = DialogStep::Kind::Value, .controlId = box, .paramId = param, .valueIndex = index};
}
constexpr DialogStep Status(int checkBox, std::int32_t param) {
    return {.kind = DialogStep::Kind::Status, .controlId = checkBox, .paramId = param};
}
constexpr DialogStep OnOffFlag(int checkBox, std::int32_t param, int index = 0) {
    return {.kind = DialogStep::Kind::OnOffFlag,
            .controlId = checkBox,
            .paramId = param,
            .valueIndex = index};
}
// A unit label is written only where the template has it; a missing one is no failure.
constexpr DialogStep UnitLabel(int label) {
    return {.kind = DialogStep::Kind::UnitLabel, .controlId = label, .stopsWhenMissing = false};
}

}  // namespace step

// Shows the rule in the dialog's controls, step by step; false at the first missing piece that
// stops the run, leaving the later controls as they are.
bool ShowSteps(CDialog& dialog, CTeskRule* rule, std::span<const DialogStep> steps,
               const CString& unitLabel = CString());

// Takes the controls back into the rule, step by step; false at the first missing piece that
// stops the run. What was stored before it stays stored.
bool TakeBackSteps(CDialog& dialog, CTeskRule* rule, std::span<const DialogStep> steps);
