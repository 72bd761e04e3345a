#pragma once
// The running application as the window framework sees it: here only its
// language id, whose low 10 bits are the primary language.

#include "platform/win32/types.h"

namespace OWL {

class TApplication {
public:
    // The process's application object.
    static TApplication& Current();

    LANGID GetLangId() const { return mLangId; }
    void SetLangId(LANGID id) { mLangId = id; }

private:
    LANGID mLangId = 0x0409; // English (United States)
};

} // namespace OWL
