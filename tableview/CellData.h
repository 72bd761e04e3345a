#pragma once
// The value of a cell while it is edited: its text, or for a choice cell the
// index of the choice with the index's text.

#include <cstdint>

#include "core/String.h"

namespace TVF_Grid {

class CellData {
public:
    virtual ~CellData() = default;
    virtual Ovo::String GetText() const = 0;
};

class CellStringData : public CellData {
public:
    virtual void SetText(const Ovo::String& text) = 0;
};

class CellUint32Data : public CellData {
public:
    virtual void SetValue(std::uint32_t value) = 0;
    virtual std::uint32_t GetValue() const = 0;
};

class TVF_CellStringData : public CellStringData {
public:
    Ovo::String GetText() const override { return mText; }
    void SetText(const Ovo::String& text) override { mText = text; }

private:
    Ovo::String mText;
};

// The text is the value read as a signed 32-bit number: 4294967295 gives "-1".
class TVF_CellUint32Data : public CellUint32Data {
public:
    Ovo::String GetText() const override { return mText; }
    void SetValue(std::uint32_t value) override;
    std::uint32_t GetValue() const override { return mValue; }

private:
    std::uint32_t mValue = 0;
    Ovo::String mText;
};

} // namespace TVF_Grid
