#pragma once

namespace Tarvik {

// Base of the loop data's virtual-channel part.
class VChanDataInit {
public:
    virtual ~VChanDataInit() = default;
};

} // namespace Tarvik
