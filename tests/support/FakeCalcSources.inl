#pragma once

#include <cstring>

namespace FakeEngine {

template <class E> std::vector<E> Pull(ICalcEnum* enumerator, LONG limit, ULONG perCall, HRESULT* last) {
    IEnumEventEx* events = nullptr;
    enumerator->QueryInterface(IID_IEnumEventEx, reinterpret_cast<void**>(&events));
    std::vector<E> result;
    std::vector<E> buffer(perCall);
    HRESULT hr = S_OK;
    for (;;) {
        ULONG count = 0;
        LONG position = 0;
        hr = events->Next(static_cast<ULONG>(perCall * sizeof(E)), limit, buffer.data(), &count, &position);
        result.insert(result.end(), buffer.begin(), buffer.begin() + count);
        if (hr != S_OK || count == 0)
            break;
    }
    events->Release();
    if (last)
        *last = hr;
    return result;
}

} // namespace FakeEngine
