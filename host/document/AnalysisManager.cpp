#include "host/document/AnalysisManager.h"

#include <algorithm>

namespace Vantrel {

namespace {

std::u16string Text(BSTR text) {
    return text ? std::u16string(text, SysStringLen(text)) : std::u16string();
}

} // namespace

AnalysisManager::AnalysisManager(std::function<void(WORD, const std::vector<DWORD>&)> notify)
    : mNotify(std::move(notify)) {}

void* AnalysisManager::find(REFIID iid) {
    return iid == IID_IAnalysisManager ? static_cast<IAnalysisManager*>(this) : nullptr;
}

AnalysisManager::Client* AnalysisManager::client(LONG key) {
    return key >= 0 && static_cast<std::size_t>(key) < mClients.size()
               ? &mClients[static_cast<std::size_t>(key)]
               : nullptr;
}

void AnalysisManager::queue(Request request) {
    if (std::find(mQueue.begin(), mQueue.end(), request) == mQueue.end())
        mQueue.push_back(request);
}

void AnalysisManager::setActive(LONG key, bool active) {
    if (Client* c = client(key))
        c->active = active;
}

void AnalysisManager::requestClear(LONG key) {
    queue({kAnalysisClear, key, 0});
}

void AnalysisManager::requestRegion(LONG key, LONG item) {
    queue({kAnalysisReportRegion, key, item});
}

int AnalysisManager::runPending() {
    std::deque<Request> due;
    due.swap(mQueue);
    for (const Request& request : due) {
        std::vector<DWORD> words{static_cast<DWORD>(request.key)};
        if (request.number == kAnalysisReportRegion)
            words.push_back(static_cast<DWORD>(request.item));
        if (mNotify)
            mNotify(request.number, words);
    }
    return static_cast<int>(due.size());
}

void AnalysisManager::releaseClients() {
    for (Client& c : mClients)
        for (ComPtr<IUnknown>& settings : c.settings)
            settings.Reset();
    mQueue.clear();
}

HRESULT AnalysisManager::RegisterClient(BSTR name, BSTR displayText, LONG* key) {
    if (!key)
        return E_POINTER;
    Client c;
    c.name = Text(name);
    c.displayText = Text(displayText);
    mClients.push_back(std::move(c));
    *key = static_cast<LONG>(mClients.size() - 1);
    return S_OK;
}

HRESULT AnalysisManager::RequestRun(LONG key) {
    Client* c = client(key);
    if (!c)
        return E_INVALIDARG;
    ++c->runsAsked;
    queue({kAnalysisRecalculate, key, 0});
    return S_OK;
}

HRESULT AnalysisManager::SetSettingsObject(LONG key, LONG index, IUnknown* settings, WORD loading) {
    Client* c = client(key);
    if (!c || (index != 0 && index != 1))
        return E_INVALIDARG;
    c->settings[index] = ComPtr<IUnknown>(settings);
    c->loading[index] = loading != 0;
    return S_OK;
}

HRESULT AnalysisManager::IsActive(LONG key, WORD* active) {
    if (!active)
        return E_POINTER;
    const Client* c = client(key);
    if (!c)
        return E_INVALIDARG;
    *active = c->active ? 0xFFFF : 0;
    return S_OK;
}

HRESULT AnalysisManager::ReportRegion(LONG key, LONG item, HostTickPosition start, HostTickPosition end) {
    Client* c = client(key);
    if (!c)
        return E_INVALIDARG;
    c->regionItem = item;
    c->regionStart = start;
    c->regionEnd = end;
    return S_OK;
}

} // namespace Vantrel
