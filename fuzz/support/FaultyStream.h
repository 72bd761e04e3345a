#pragma once

#include "platform/win32/com_ptr.h"
#include "platform/win32/stream.h"

#include <string>
#include <vector>

namespace Fuzz {

/// A memory stream over bytes whose calls fail or fall short as the script says: each Read, Write,
/// Seek, SetSize and Stat takes the script's next byte (none left: it proceeds). Below 12 the call
/// fails; from 12 to 43 a Read or Write moves only (byte - 12) 32nds of the bytes asked for and
/// succeeds; above, it proceeds.
ComPtr<MemoryStream> faultyStream(std::vector<BYTE> bytes, std::string script, DWORD mode = STGM_READWRITE);

} // namespace Fuzz
