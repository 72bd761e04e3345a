#include "core/HostIdentity.h"

namespace Ovo {

const std::vector<HostIdentityEntry>& LoadHostIdentity(HINSTANCE) {
    static const std::vector<HostIdentityEntry> table = {
        {String(u"STREVFORWINDOWS"), String(u"Vantrel")},
        {String(u"STREV"), String(u"Vantrel")},
        {String(u"FLUXBAY"), String(u"Fluxbay")},
        {String(u"Ovo"), String(u"Velmora")},
        {String(u"OEM"), String(u"Velmora")},
        {String(u"VELMORA"), String(u"Velmora")},
    };
    return table;
}

} // namespace Ovo
