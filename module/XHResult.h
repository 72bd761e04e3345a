#pragma once
// XHResult: the exception of a failed host call that carries only its HRESULT
// (the framework loading throws it). It is an XOvo, so every boundary that
// turns the module's exceptions into result codes handles it as well.

#include "core/XOvo.h"

class XHResult : public XOvo {
public:
    explicit XHResult(HRESULT code) : XOvo(code) {}
};
