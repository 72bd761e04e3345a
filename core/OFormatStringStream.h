#pragma once
// Positional format stream whose destination is a string of its own.

#include "core/OFormatStream.h"
#include "core/ResourceStrings.h"
#include "core/StringStreamBuf.h"

namespace Ovo {

class OFormatStringStream : public OFormatStream {
public:
    explicit OFormatStringStream(const String& format) : OFormatStream(format) { SetFormat(&mBuffer); }
    // The format is entry id of the module's string table, with the host's names in place of its
    // placeholder words (LoadResString); a missing entry is an empty format.
    OFormatStringStream(HMODULE module, UINT id) : OFormatStringStream(LoadedFormat(module, id)) {}

    // The text written so far: the finished text once every argument is in.
    String str() { return mBuffer.str(); }

private:
    static String LoadedFormat(HMODULE module, UINT id) {
        String format;
        LoadResString(format, module, id, true);
        return format;
    }

    StringStreamBuf mBuffer;
};

} // namespace Ovo
