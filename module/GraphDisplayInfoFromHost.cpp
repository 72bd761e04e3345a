#include "module/GraphDisplayInfoFromHost.h"

#include "module/HostServices.h"
#include "platform/vantrel/HostApplication.h"
#include "platform/win32/com_ptr.h"

namespace ExtLib {

namespace {

// The host's 0x00RRGGBB as Windows' 0x00BBGGRR.
COLORREF ToColorRef(DWORD rgb) {
    return ((rgb & 0xFFu) << 16) | (rgb & 0xFF00u) | ((rgb >> 16) & 0xFFu);
}

} // namespace

GraphDisplayInfoFromHost::GraphDisplayInfoFromHost(IUnknown* viewSettings) {
    const ComPtr<IHostApplication> application(Tarvik::GetHostApplication());
    const auto preferences = application.Query<IHostPreferences>(IID_IHostPreferences);
    if (!preferences)
        return;
    mFromHost = true;
    const auto read = [&](DWORD id, auto& field) {
        DWORD value = 0;
        if (SUCCEEDED(preferences->ReadPreference(viewSettings, id, &value)))
            field = value;
    };
    read(kGraphFirstPreference, mInfo.first);
    if (mInfo.first == 0)
        mInfo.first = 1;
    read(kGraphSecondPreference, mInfo.second);
    DWORD colour = 0;
    if (SUCCEEDED(preferences->ReadPreference(viewSettings, kGraphGridColourPreference, &colour)))
        mInfo.gridColour = ToColorRef(colour);
    read(kGraphDotStylePreference, mInfo.dotStyle);
    DWORD shown = mInfo.shown ? 1 : 0;
    read(kGraphShownPreference, shown);
    mInfo.shown = shown != 0;
    read(kGraphLastPreference, mLast);
}

} // namespace ExtLib
