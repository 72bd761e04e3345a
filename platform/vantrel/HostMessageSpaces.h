#pragma once
// The host's message spaces that documents observe: each GUID gets its 16-bit
// number from the GUID-to-number service, and a message id is that number in
// the high word and the message's number in the low word.

#include "platform/win32/guid.h"

// The recording's notices: 4 refresh, 14 and 16 data removed, 20 and 22 channel settings, 34 units
// changed, 44 event drawing activated, 51 channels changed, 52 the loop channel.
inline constexpr GUID kRecordingNoticeSpace = MakeGuid("{3A7D80F0-59D6-11D3-80AE-005004AD3C53}");
// 16: the recording's data were computed again.
inline constexpr GUID kRecalculationNoticeSpace = MakeGuid("{4EC14960-9464-11D2-B7E7-008048C36FE8}");
// 12: a position was marked (two words), 13: the mark cleared.
inline constexpr GUID kMarkedPositionSpace = MakeGuid("{DE2564A4-2260-4449-B4C6-B13BC0EAA648}");
