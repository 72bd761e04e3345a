#pragma once
// The window layer in one include: windows, messages, painting, timers, message
// boxes and system metrics. Tests reach the desktop itself through
// platform/user/Desktop.h.

#include "platform/user/button.h"
#include "platform/user/dialog_api.h"
#include "platform/user/edit.h"
#include "platform/user/handles.h"
#include "platform/user/icon_api.h"
#include "platform/user/imagelist_api.h"
#include "platform/user/input_api.h"
#include "platform/user/menu_api.h"
#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/metrics_api.h"
#include "platform/user/monitor_api.h"
#include "platform/user/msgbox_api.h"
#include "platform/user/paint_api.h"
#include "platform/user/records.h"
#include "platform/user/rect_api.h"
#include "platform/user/scroll_window.h"
#include "platform/user/scrollbar.h"
#include "platform/user/static.h"
#include "platform/user/styles.h"
#include "platform/user/sysparams_api.h"
#include "platform/user/timer_api.h"
#include "platform/user/window_api.h"
