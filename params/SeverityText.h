#pragma once

#include <cstdint>

#include "platform/CString.h"
#include "platform/CStringList.h"

// A rule's severity, 1 (lowest) to 5 (highest), and the texts that show it in the language
// library.

// The severity whose text equals this one exactly (case included); 0 for any other text.
std::int32_t SeverityFromText(const CString& text);

// The text of severity 1 to 5; the empty text for any other severity.
CString SeverityText(std::int32_t severity);

// The position of the severity in the severity list: 0 to 4, or -1 when it has none.
std::int32_t SeverityListIndex(std::int32_t severity);

// Replaces the list's content with the five severity texts, lowest first.
void FillSeverityList(CStringList& list);
