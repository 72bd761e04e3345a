#pragma once
// The shell's opening of documents and addresses. Recorded as an effect
// ("ShellExecute", "verb|file|parameters|folder|show"); nothing is started.

#include "platform/user/handles.h"

// A value above 32 (success).
HINSTANCE ShellExecuteW(HWND hwnd, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR folder, int show);
