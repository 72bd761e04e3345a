#include "host/framework/ProgressService.h"

#include "host/framework/Text.h"

namespace Vantrel {

namespace {

class Indicator : public ComObject<IProgressIndicator> {
public:
    Indicator(std::shared_ptr<ProgressLog> log, std::optional<LONG> cancelAt)
        : mLog(std::move(log)), mCancelAt(cancelAt) {}
    ~Indicator() override { mLog->closed = true; }

    HRESULT SetPercent(LONG percent) override {
        mLog->percents.push_back(percent);
        if (mCancelAt && percent >= *mCancelAt)
            mLog->cancelled = true;
        return mLog->cancelled ? S_FALSE : S_OK;
    }
    HRESULT SetText(BSTR text) override {
        mLog->texts.push_back(text ? std::u16string(text, SysStringLen(text)) : std::u16string());
        return S_OK;
    }

private:
    void* find(REFIID iid) override {
        return iid == IID_IProgressIndicator ? static_cast<IProgressIndicator*>(this) : nullptr;
    }

    std::shared_ptr<ProgressLog> mLog;
    std::optional<LONG> mCancelAt;
};

} // namespace

HRESULT ProgressService::CreateIndicator(DWORD, BSTR caption, BSTR text, BSTR, DWORD,
                                         IProgressIndicator** indicator) {
    if (!indicator)
        return E_POINTER;
    auto log = std::make_shared<ProgressLog>();
    log->caption = caption ? std::u16string(caption, SysStringLen(caption)) : std::u16string();
    log->texts.push_back(text ? std::u16string(text, SysStringLen(text)) : std::u16string());
    mOpened.push_back(log);
    *indicator = new Indicator(log, mCancelAt);
    return S_OK;
}

void* ProgressService::find(REFIID iid) {
    return iid == IID_IProgressFactory ? static_cast<IProgressFactory*>(this) : nullptr;
}

} // namespace Vantrel
