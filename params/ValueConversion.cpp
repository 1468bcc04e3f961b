#include "params/ValueConversion.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "params/NumberText.h"

namespace {

template <typename T>
T Saturated(std::int64_t number) {
    return static_cast<T>(std::clamp<std::int64_t>(number, std::numeric_limits<T>::min(),
                                                   std::numeric_limits<T>::max()));
}

// "%ld" into a 32-bit long, stored as unsigned: negative numbers wrap (-1 is all bits set).
// The range also reaches up to the largest unsigned value, so every value written by "%u"
// reads back unchanged.
std::uint32_t UnsignedFromText(const CString& text) {
    const std::int64_t number = ScanInteger(text).value_or(0);
    return static_cast<std::uint32_t>(
        std::clamp<std::int64_t>(number, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::uint32_t>::max()));
}

// The stored byte is inspected, not the bool: any byte other than 1 reads as "0".
bool StoredByteIsOne(const bool& value) {
    unsigned char byte = 0;
    std::memcpy(&byte, &value, sizeof(byte));
    return byte == 1;
}

// A value that already points to an object keeps it and takes the new content: the old object
// may belong to a value array, which would release it later.
template <typename T, typename Content>
void AssignOwned(T*& value, Content&& content) {
    if (value) {
        *value = std::forward<Content>(content);
    } else {
        value = new T(std::forward<Content>(content));
    }
}

}  // namespace

template <Type_e E>
CString ValueToText(const TeskValueOf<E>& value) {
    if constexpr (E == TESK_TYPE_INT || E == TESK_TYPE_LONG || E == TESK_TYPE_UNSIGNED) {
        return DecimalText(value);
    } else if constexpr (E == TESK_TYPE_BOOL) {
        return StoredByteIsOne(value) ? L"1" : L"0";
    } else if constexpr (E == TESK_TYPE_DOUBLE) {
        return FixedText(value);
    } else if constexpr (E == TESK_TYPE_TEXT) {
        return value ? *value : CString();
    } else {
        return CString();
    }
}

template <Type_e E>
void TextToValue(const CString& text, TeskValueOf<E>& value) {
    if constexpr (E == TESK_TYPE_INT || E == TESK_TYPE_LONG) {
        if (const auto number = ScanInteger(text)) {
            value = Saturated<std::int32_t>(*number);
        }
    } else if constexpr (E == TESK_TYPE_UNSIGNED) {
        value = UnsignedFromText(text);
    } else if constexpr (E == TESK_TYPE_BOOL) {
        value = text != L"0";
    } else if constexpr (E == TESK_TYPE_DOUBLE) {
        if (const auto number = ScanDouble(text)) {
            value = *number;
        }
    } else if constexpr (E == TESK_TYPE_TEXT) {
        AssignOwned(value, text);
    }
}

template <Type_e E>
CStringList ValueToStrings(const TeskValueOf<E>& value) {
    if constexpr (E == TESK_TYPE_TEXT_LIST) {
        if (value) {
            return *value;
        }
    }
    return CStringList();
}

template <Type_e E>
void StringsToValue(std::unique_ptr<CStringList> strings, TeskValueOf<E>& value) {
    if constexpr (E == TESK_TYPE_TEXT_LIST) {
        if (!strings) {
            return;
        }
        if (value) {
            *value = std::move(*strings);
        } else {
            value = strings.release();
        }
    }
}

void SplitLegacyFlagValue(TeskParamDataOf<TESK_TYPE_DOUBLE>& record) {
    const int count = record.Values.GetCount();
    if (count != 2 && count != 3) {
        return;
    }
    record.Status = record.Values.ElementAt(0) == 1.0;
    record.Values.RemoveAt(0);
}

#define INSTANTIATE_VALUE_CONVERSIONS(E)                           \
    template CString ValueToText<E>(const TeskValueOf<E>&);        \
    template void TextToValue<E>(const CString&, TeskValueOf<E>&); \
    template CStringList ValueToStrings<E>(const TeskValueOf<E>&); \
    template void StringsToValue<E>(std::unique_ptr<CStringList>, TeskValueOf<E>&);

INSTANTIATE_VALUE_CONVERSIONS(TESK_TYPE_INT)
INSTANTIATE_VALUE_CONVERSIONS(TESK_TYPE_LONG)
INSTANTIATE_VALUE_CONVERSIONS(TESK_TYPE_BOOL)
INSTANTIATE_VALUE_CONVERSIONS(TESK_TYPE_DOUBLE)
INSTANTIATE_VALUE_CONVERSIONS(TESK_TYPE_TEXT)
INSTANTIATE_VALUE_CONVERSIONS(TESK_TYPE_OPAQUE)
INSTANTIATE_VALUE_CONVERSIONS(TESK_TYPE_UNSIGNED)
INSTANTIATE_VALUE_CONVERSIONS(TESK_TYPE_TEXT_LIST)

#undef INSTANTIATE_VALUE_CONVERSIONS
