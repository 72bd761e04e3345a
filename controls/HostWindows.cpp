#include "controls/HostWindows.h"

#include <algorithm>

#include "module/HostServices.h"
#include "platform/user/msgbox_api.h"
#include "platform/vantrel/IDocumentChannels.h"
#include "platform/win32/com_ptr.h"

int ShowHostErrorBox(HWND owner, LPCWSTR text, LPCWSTR caption, DWORD helpContext) {
    IHostApplication* application = Tarvik::GetHostApplication();
    INT button = 1;
    if (application != nullptr)
        application->ShowMessageBox(0, owner, text, caption, MB_TASKMODAL | MB_ICONERROR, helpContext,
                                    &button);
    return button;
}

std::map<int, Ovo::String> BuildChannelTitleMap(IUnknown* hostDocument) {
    ComPtr<IDocumentChannels> channels;
    if (hostDocument != nullptr)
        hostDocument->QueryInterface(IID_IDocumentChannels, reinterpret_cast<void**>(channels.Put()));
    LONG count = 0;
    if (channels)
        channels->GetChannelCount(&count);
    std::map<int, Ovo::String> titles;
    for (LONG i = 0; i < std::max<LONG>(count, 1); ++i) {
        Ovo::String title;
        if (channels)
            channels->GetChannelTitle(i, Ovo::OvoStringOutParam(title));
        titles[i] = title;
    }
    return titles;
}
