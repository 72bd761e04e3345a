#include "dialogs/SamplingButton.h"

#include "platform/user/user.h"

namespace Tarvik {

namespace {

SamplingPaneMaker& Maker() {
    static SamplingPaneMaker maker;
    return maker;
}

} // namespace

void SetSamplingPaneMaker(SamplingPaneMaker maker) {
    Maker() = std::move(maker);
}

OwlSamplingButton::OwlSamplingButton(HWND placeholder, IUnknown* hostDocument, SamplingToggled toggled)
    : mPlaceholder(placeholder) {
    HWND parent = GetParent(placeholder);
    if (!Maker() || parent == nullptr)
        return;
    mPane = Maker()(parent, hostDocument, std::move(toggled));
    if (!mPane || mPane->Window() == nullptr)
        return;
    RECT box{};
    GetWindowRect(placeholder, &box);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&box), 2);
    MoveWindow(mPane->Window(), box.left, box.top, box.right - box.left, box.bottom - box.top, TRUE);
    ShowWindow(placeholder, SW_HIDE);
}

OwlSamplingButton::~OwlSamplingButton() {
    if (mPane && IsWindow(mPane->Window()))
        DestroyWindow(mPane->Window());
}

} // namespace Tarvik
