#pragma once
// The calls drawn through a device context, in order. A window manager can
// give several device contexts of one window the same list.

#include <string_view>
#include <vector>

#include "platform/gdi/DrawCall.h"

namespace gdi {

class DisplayList {
public:
    void Add(DrawCall call) { mCalls.push_back(std::move(call)); }
    const std::vector<DrawCall>& Calls() const { return mCalls; }
    std::vector<DrawCall> Named(std::string_view name) const {
        std::vector<DrawCall> out;
        for (const DrawCall& c : mCalls)
            if (c.name == name)
                out.push_back(c);
        return out;
    }

private:
    std::vector<DrawCall> mCalls;
};

} // namespace gdi
