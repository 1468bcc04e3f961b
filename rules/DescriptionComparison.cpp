#include "rules/DescriptionComparison.h"

#include <array>

#include "app/CTeskCommonRulesApp.h"
#include "params/OperatorText.h"

namespace {

constexpr UINT IDS_OR_EQUAL_TO = 2043;
constexpr UINT IDS_SENTENCE_JOIN = 2405;
// Three comparisons of three texts each: the most a description states.
constexpr std::size_t kMostTexts = 9;

struct ComparisonPhrase {
    TeskOperator_e op;
    UINT id;
};

// Optional: a language has all of them or none. The first tells which.
constexpr std::array<ComparisonPhrase, 5> kPhrases{{
    {TESK_OP_GREATER_EQUAL, 2400},
    {TESK_OP_GREATER, 2401},
    {TESK_OP_LESS_EQUAL, 2402},
    {TESK_OP_LESS, 2403},
    {TESK_OP_EQUAL, 2404},
}};

bool LanguageHasPhrases() {
    return !LanguageLibraryText(kPhrases.front().id).IsEmpty();
}

CString Formatted(const CString& format, std::initializer_list<CString> texts) {
    CString text;
    text.FormatTexts(format.GetString(), texts);
    return text;
}

// A comparison as one phrase; an operator without one (a range) keeps its symbol in front.
CString Phrase(const Comparison& comparison) {
    for (const ComparisonPhrase& phrase : kPhrases) {
        if (phrase.op == comparison.op) {
            return Formatted(LanguageLibraryText(phrase.id), {comparison.value, comparison.unit});
        }
    }
    return OperatorToText(comparison.op) + L" " + comparison.value + comparison.unit;
}

CString WordingText(TeskOperator_e op, ComparisonWording wording) {
    if (wording == ComparisonWording::Symbol) {
        return OperatorToText(op);
    }
    const bool inclusive = op == TESK_OP_GREATER_EQUAL || op == TESK_OP_LESS_EQUAL;
    return inclusive ? LanguageLibraryText(IDS_OR_EQUAL_TO) : CString();
}

}  // namespace

TeskOperator_e AtLeastOperator(TeskOperator_e op) {
    return op == TESK_OP_GREATER_EQUAL ? TESK_OP_GREATER_EQUAL : TESK_OP_GREATER;
}

TeskOperator_e AtMostOperator(TeskOperator_e op) {
    return op == TESK_OP_LESS_EQUAL ? TESK_OP_LESS_EQUAL : TESK_OP_LESS;
}

CString StateComparisons(const CString& format, std::initializer_list<Comparison> comparisons,
                         ComparisonWording wording) {
    const bool phrases = LanguageHasPhrases();
    // The formats take a list fixed when compiled: the texts in front, the slots after them
    // empty and never read.
    std::array<CString, kMostTexts> texts;
    std::size_t count = 0;
    const auto add = [&texts, &count](const CString& text) {
        if (count < texts.size()) {
            texts[count++] = text;
        }
    };
    for (const Comparison& comparison : comparisons) {
        if (phrases) {
            add(Phrase(comparison));
            continue;
        }
        add(WordingText(comparison.op, wording));
        add(comparison.value);
        if (comparison.hasUnit) {
            add(comparison.unit);
        }
    }
    return Formatted(format, {texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[6],
                              texts[7], texts[8]});
}

CString JoinedSentences(const CString& first, const CString& second) {
    const CString& join = LanguageLibraryText(IDS_SENTENCE_JOIN);
    return Formatted(join.IsEmpty() ? CString(L"%s %s") : join, {first, second});
}
