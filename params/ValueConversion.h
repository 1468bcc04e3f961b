#pragma once

#include <memory>

#include "host/TeskParamData.h"
#include "platform/CString.h"
#include "platform/CStringList.h"

// Conversions between a parameter's values and their texts, one instantiation per value type.
// Texts (type 5) and text lists (type 8) are heap objects that the value owns once it is
// stored in a value array.

// The value's text: "%d", "%ld" and "%u" for the integers, "%f" (six decimals) for doubles,
// "1" or "0" for booleans (only a stored byte 1 reads as "1"), the string itself for texts
// (empty for none); opaque values and text lists have no text and give the empty text.
template <Type_e E>
CString ValueToText(const TeskValueOf<E>& value);

// Sets the value from its text; value carries the caller's preset.
// - integers ("%d", "%ld"): the leading number, saturated at the 32-bit range; no number
//   leaves the preset;
// - unsigned: the leading number as a 32-bit long, so "-1" gives 4294967295, while numbers
//   up to 4294967295 (the whole unsigned range) are kept as they are; beyond that range the
//   nearer end; no number gives 0;
// - booleans: "0" gives false, every other text true;
// - doubles: the leading number ("%lf"); no number leaves the preset;
// - texts: a new heap string holding the text, or the text put into the string the value
//   already points to;
// - opaque values and text lists: nothing is read, the preset stays.
template <Type_e E>
void TextToValue(const CString& text, TeskValueOf<E>& value);

// The strings of a text list (a copy); every other value type gives an empty list.
template <Type_e E>
CStringList ValueToStrings(const TeskValueOf<E>& value);

// A text list takes the strings over: a null value becomes the given list, a list the value
// already points to gets its strings. Every other value type keeps its preset; the strings
// are then released with the list.
template <Type_e E>
void StringsToValue(std::unique_ptr<CStringList> strings, TeskValueOf<E>& value);

// Value lists kept in an older form start with an on/off value: with two or three values,
// the first becomes the parameter's Status (on when it is 1.0) and is removed. Other counts
// are left alone.
void SplitLegacyFlagValue(TeskParamDataOf<TESK_TYPE_DOUBLE>& record);
