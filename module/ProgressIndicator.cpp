#include "module/ProgressIndicator.h"

#include "module/HostServices.h"
#include "module/MessageIds.h"

namespace Tarvik {

namespace {

// A BSTR of a text, freed when it goes.
class Text {
public:
    explicit Text(const Ovo::String& text) : mText(text.AllocBSTR()) {}
    ~Text() { SysFreeString(mText); }
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    BSTR Get() const { return mText; }

private:
    BSTR mText;
};

} // namespace

ProgressIndicator::ProgressIndicator(const Ovo::String& caption, const Ovo::String& text) {
    IClassRegistry* registry = GetClassRegistry();
    ComPtr<IProgressFactory> factory;
    if (registry == nullptr ||
        FAILED(registry->GetService(MsgIdClass<HostMsgGuidC203, kProgressClassNumber>::Id(),
                                    IID_IProgressFactory, factory.PutVoid())) ||
        !factory)
        return;
    const Text captionText(caption), mainText(text), detail{Ovo::String()};
    factory->CreateIndicator(1, captionText.Get(), mainText.Get(), detail.Get(), 1, mIndicator.Put());
}

void ProgressIndicator::SetText(const Ovo::String& text) {
    if (!mIndicator)
        return;
    const Text bstr(text);
    mIndicator->SetText(bstr.Get());
}

bool ProgressIndicator::SetPercent(LONG percent) {
    return mIndicator && mIndicator->SetPercent(percent) != S_OK;
}

} // namespace Tarvik
