#pragma once
// The data records of the module's messages: {message id, flags, type code,
// values}, packed, little-endian. The type code word holds one 4-bit code per
// value, the first value in the lowest bits (see platform/vantrel/MessageService.h).
// What the host's message service takes as the parameter block is the record
// from its type code word on.

#include <cstdint>

#include "platform/vantrel/IAutoOvoString.h"
#include "platform/vantrel/MessageService.h"

namespace Ovo {

template <class T> constexpr DWORD ParamCode();
template <> constexpr DWORD ParamCode<std::uint32_t>() {
    return kParamUnsigned;
}
template <> constexpr DWORD ParamCode<std::int32_t>() {
    return kParamLong;
}
template <> constexpr DWORD ParamCode<double>() {
    return kParamDouble;
}
template <> constexpr DWORD ParamCode<IAutoOvoString*>() {
    return kParamString;
}

#pragma pack(push, 1)
struct MsgData0 {
    std::uint32_t id;
    std::uint32_t flags;
    std::uint32_t typeCode = 0;
};

template <class T> struct MsgData1 {
    std::uint32_t id;
    std::uint32_t flags;
    std::uint32_t typeCode = ParamCode<T>();
    T value;
};

template <class T1, class T2> struct MsgData2 {
    std::uint32_t id;
    std::uint32_t flags;
    std::uint32_t typeCode = ParamCode<T1>() | (ParamCode<T2>() << 4);
    T1 value1;
    T2 value2;
};
#pragma pack(pop)

static_assert(sizeof(MsgData0) == 12);
static_assert(sizeof(MsgData1<std::uint32_t>) == 16);
static_assert(sizeof(MsgData1<double>) == 20);
static_assert(sizeof(MsgData2<std::int32_t, double>) == 24);
static_assert(sizeof(MsgData2<double, double>) == 28);

// Records of a message id with flags 0 and their values.
template <class T> MsgData1<T> MakeMsgData1(std::uint32_t id, T value) {
    MsgData1<T> record{};
    record.id = id;
    record.typeCode = ParamCode<T>();
    record.value = value;
    return record;
}
template <class T1, class T2> MsgData2<T1, T2> MakeMsgData2(std::uint32_t id, T1 value1, T2 value2) {
    MsgData2<T1, T2> record{};
    record.id = id;
    record.typeCode = ParamCode<T1>() | (ParamCode<T2>() << 4);
    record.value1 = value1;
    record.value2 = value2;
    return record;
}

// The parameter block of a record: from its type code word on.
template <class Record> const void* ParameterBlock(const Record& record) {
    return &record.typeCode;
}

} // namespace Ovo
