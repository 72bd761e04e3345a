#pragma once

#include "platform/win32/types.h"

#include <string>

namespace Vantrel {

/// A result code as the host shows it in messages: "0x" and eight upper-case hex digits.
std::string hresultText(HRESULT hr);

} // namespace Vantrel
