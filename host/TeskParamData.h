#pragma once

#include <cstdint>
#include <type_traits>

#include "host/TeskTypes.h"
#include "host/TeskValueArray.h"
#include "platform/CString.h"
#include "platform/CStringList.h"

// The fields every parameter record has, whatever the type of its values.
struct TeskParamFields {
    virtual ~TeskParamFields() = default;

    CString Name;
    TeskOperator_e Operator = TESK_OP_NONE;
    TeskParamType_e ParameterType{};
    CString Remarks;
    std::int32_t Id = 0;
    bool Status = false;
};

// A parameter record whose values have element type T.
template <typename T>
struct TeskParamData : TeskParamFields {
    TeskValueArray<T> Values;
};

// Element type of each value type. Texts and text lists are heap objects owned by the record.
template <Type_e E>
struct TeskValueTypeOf;
template <>
struct TeskValueTypeOf<TESK_TYPE_INT> {
    using type = std::int32_t;
};
template <>
struct TeskValueTypeOf<TESK_TYPE_LONG> {
    using type = std::int32_t;
};
template <>
struct TeskValueTypeOf<TESK_TYPE_BOOL> {
    using type = bool;
};
template <>
struct TeskValueTypeOf<TESK_TYPE_DOUBLE> {
    using type = double;
};
template <>
struct TeskValueTypeOf<TESK_TYPE_TEXT> {
    using type = CString*;
};
template <>
struct TeskValueTypeOf<TESK_TYPE_OPAQUE> {
    using type = std::uint64_t;
};
template <>
struct TeskValueTypeOf<TESK_TYPE_UNSIGNED> {
    using type = std::uint32_t;
};
template <>
struct TeskValueTypeOf<TESK_TYPE_TEXT_LIST> {
    using type = CStringList*;
};

template <Type_e E>
using TeskValueOf = typename TeskValueTypeOf<E>::type;

template <Type_e E>
using TeskParamDataOf = TeskParamData<TeskValueOf<E>>;

template <Type_e E>
using TeskValueTypeTag = std::integral_constant<Type_e, E>;
