#pragma once
// The host's identity: placeholder words in resource texts and the names that
// replace them, so that texts name the product that actually loaded the module.

#include <vector>

#include "core/String.h"
#include "platform/win32/types.h"

namespace Ovo {

struct HostIdentityEntry {
    String placeholder;
    String value;
};

// The ordered table, built on first use and kept for the life of the process.
// Longer words come before the words they contain ("STREVFORWINDOWS" before
// "STREV"), so each is replaced whole.
const std::vector<HostIdentityEntry>& LoadHostIdentity(HINSTANCE module);

} // namespace Ovo
