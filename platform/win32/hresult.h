#pragma once
// HRESULT codes and tests. Codes are written as unsigned literals and stored in
// the signed 32-bit HRESULT, laid out as Windows lays them out.

#include "platform/win32/types.h"

constexpr HRESULT MakeHResult(std::uint32_t code) {
    return static_cast<HRESULT>(code);
}

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = MakeHResult(0x80004001u);
inline constexpr HRESULT E_PROP_ID_UNSUPPORTED = MakeHResult(0x80070490u);
inline constexpr HRESULT E_NOINTERFACE = MakeHResult(0x80004002u);
inline constexpr HRESULT E_POINTER = MakeHResult(0x80004003u);
inline constexpr HRESULT E_ABORT = MakeHResult(0x80004004u);
inline constexpr HRESULT E_FAIL = MakeHResult(0x80004005u);
inline constexpr HRESULT E_UNEXPECTED = MakeHResult(0x8000FFFFu);
inline constexpr HRESULT E_ACCESSDENIED = MakeHResult(0x80070005u);
inline constexpr HRESULT E_OUTOFMEMORY = MakeHResult(0x8007000Eu);
inline constexpr HRESULT E_INVALIDARG = MakeHResult(0x80070057u);
inline constexpr HRESULT CLASS_E_NOAGGREGATION = MakeHResult(0x80040110u);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = MakeHResult(0x80040111u);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = MakeHResult(0x80040154u);
inline constexpr HRESULT DISP_E_MEMBERNOTFOUND = MakeHResult(0x80020003u);
inline constexpr HRESULT DISP_E_PARAMNOTFOUND = MakeHResult(0x80020004u);
inline constexpr HRESULT DISP_E_TYPEMISMATCH = MakeHResult(0x80020005u);
inline constexpr HRESULT DISP_E_BADPARAMCOUNT = MakeHResult(0x8002000Eu);
inline constexpr HRESULT STG_E_INVALIDFUNCTION = MakeHResult(0x80030001u);
inline constexpr HRESULT STG_E_WRITEFAULT = MakeHResult(0x8003001Du);
inline constexpr HRESULT STG_E_READFAULT = MakeHResult(0x8003001Eu);
inline constexpr HRESULT STG_E_DOCFILECORRUPT = MakeHResult(0x80030109u);

inline constexpr std::uint32_t FACILITY_ITF = 4;
inline constexpr std::uint32_t FACILITY_WIN32 = 7;

constexpr bool SUCCEEDED(HRESULT hr) {
    return hr >= 0;
}
constexpr bool FAILED(HRESULT hr) {
    return hr < 0;
}
constexpr std::uint32_t HRESULT_FACILITY(HRESULT hr) {
    return (static_cast<std::uint32_t>(hr) >> 16) & 0x1FFF;
}
constexpr std::uint32_t HRESULT_CODE(HRESULT hr) {
    return static_cast<std::uint32_t>(hr) & 0xFFFF;
}
constexpr HRESULT HRESULT_FROM_WIN32(std::uint32_t err) {
    return static_cast<std::int32_t>(err) <= 0
               ? static_cast<HRESULT>(err)
               : MakeHResult((err & 0xFFFF) | (FACILITY_WIN32 << 16) | 0x80000000u);
}
