#pragma once
// Blocks of samples of a host document's channels as 32-bit floats.
// Answered by the document's data object.

#include "platform/win32/unknown.h"

inline constexpr IID IID_ISampleBlocks = MakeGuid("{AD6CD303-7868-4A12-B4AE-97C02EE8F5E3}");

struct ISampleBlocks : IUnknown {
    // Reads count samples of channel in record from startTick into buffer; ticks before the start
    // or past the end of the record read 0.0. *read receives the number of samples that lay in the
    // record. E_INVALIDARG for an unknown channel or record, a negative count or a null pointer.
    virtual HRESULT ReadSamples(LONG channel, LONG record, LONG startTick, LONG count, float* buffer,
                                LONG* read) = 0; // slot 3

protected:
    ~ISampleBlocks() = default;
};
