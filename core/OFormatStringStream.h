#pragma once
// Positional format stream whose destination is a string of its own.

#include "core/OFormatStream.h"
#include "core/StringStreamBuf.h"

namespace Ovo {

class OFormatStringStream : public OFormatStream {
public:
    explicit OFormatStringStream(const String& format) : OFormatStream(format) { SetFormat(&mBuffer); }

    // The text written so far: the finished text once every argument is in.
    String str() { return mBuffer.str(); }

private:
    StringStreamBuf mBuffer;
};

} // namespace Ovo
