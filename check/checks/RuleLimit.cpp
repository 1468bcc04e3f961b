#include "check/checks/RuleLimit.h"

#include <algorithm>
#include <cmath>

#include "host/CTeskRule.h"

namespace check {

StoredParameter StoredParameter::Of(CTeskRule& rule, std::int32_t id) {
    StoredParameter stored;
    for (int i = 0; i < rule.m_arrParams.GetCount(); ++i) {
        CTeskParamStorage* param = rule.m_arrParams.ElementAt(i);
        const TeskParamFields* fields = param ? param->GetFields() : nullptr;
        if (!fields || fields->Id != id) {
            continue;
        }
        stored.found = true;
        stored.on = fields->Status;
        stored.op = fields->Operator;
        if (auto* data = param->GetData<TESK_TYPE_DOUBLE>()) {
            for (int v = 0; v < data->Values.GetCount(); ++v) {
                stored.values.push_back(data->Values.ElementAt(v));
            }
        }
        break;
    }
    return stored;
}

double SixDecimals(double value) {
    return std::round(value * 1e6) / 1e6;
}

RuleLimit RuleLimit::FirstValueOf(CTeskRule& rule, std::int32_t id) {
    const StoredParameter stored = StoredParameter::Of(rule, id);
    return {stored.on && !stored.values.empty(), stored.op,
            stored.values.empty() ? 0.0 : stored.values.front()};
}

bool RuleLimit::Usable() const {
    return op == TESK_OP_EQUAL || op == TESK_OP_LESS || op == TESK_OP_GREATER ||
           op == TESK_OP_GREATER_EQUAL || op == TESK_OP_LESS_EQUAL;
}

bool RuleLimit::Meets(double measured, double tolerance) const {
    const double limit = SixDecimals(value);
    // A value this close to the limit is at it: meshes (an STL's single-precision corners
    // above all) put that much doubt on the last decimals.
    const bool at = std::abs(measured - limit) <= tolerance * std::max(1.0, std::abs(limit));
    switch (op) {
        case TESK_OP_EQUAL:
            return at;
        case TESK_OP_LESS:
            return measured < limit && !at;
        case TESK_OP_GREATER:
            return measured > limit && !at;
        case TESK_OP_GREATER_EQUAL:
            return measured >= limit || at;
        case TESK_OP_LESS_EQUAL:
            return measured <= limit || at;
        default:
            return true;
    }
}

std::string RuleLimit::OperatorText() const {
    switch (op) {
        case TESK_OP_EQUAL:
            return "=";
        case TESK_OP_LESS:
            return "<";
        case TESK_OP_GREATER:
            return ">";
        case TESK_OP_GREATER_EQUAL:
            return ">=";
        case TESK_OP_LESS_EQUAL:
            return "<=";
        default:
            return "?";
    }
}

}  // namespace check
