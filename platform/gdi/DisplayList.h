#pragma once
// The calls drawn through a device context, in order. A window manager can
// give several device contexts of one window the same list.

#include <string_view>
#include <vector>

#include "platform/gdi/DrawCall.h"

namespace gdi {

class DisplayList {
public:
    void Add(DrawCall call) { calls_.push_back(std::move(call)); }
    const std::vector<DrawCall>& Calls() const { return calls_; }
    std::vector<DrawCall> Named(std::string_view name) const {
        std::vector<DrawCall> out;
        for (const DrawCall& c : calls_)
            if (c.name == name)
                out.push_back(c);
        return out;
    }

private:
    std::vector<DrawCall> calls_;
};

} // namespace gdi
