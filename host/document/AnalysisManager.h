#pragma once

#include "host/engine/ComObject.h"
#include "platform/vantrel/IAnalysisManager.h"
#include "platform/win32/com_ptr.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace Vantrel {

/// The analysis manager of one host document. Clients register, hand over their settings objects and
/// ask for reruns; the manager answers from its queue when the host gets to it (runPending), never
/// inside the call that asked: it notifies the document with the client's key (and, for a region,
/// the item), once per request even when a client asked more than once meanwhile.
class AnalysisManager : public ComObject<IAnalysisManager> {
public:
    /// notify: tells the document a request (a number of kAnalysisManagerGuid) and its payload words.
    explicit AnalysisManager(std::function<void(WORD number, const std::vector<DWORD>& words)> notify);

    struct Client {
        std::u16string name;
        std::u16string displayText;
        ComPtr<IUnknown> settings[2];
        bool loading[2] = {false, false};
        bool active = true;
        LONG regionItem = -1;
        HostTickPosition regionStart{}, regionEnd{};
        int runsAsked = 0;
    };
    const std::vector<Client>& clients() const { return mClients; }
    /// Whether the manager runs the client's analysis (IsActive).
    void setActive(LONG key, bool active);
    /// Queues the host's own requests: clear the client's analysis, report its region for item.
    void requestClear(LONG key);
    void requestRegion(LONG key, LONG item);
    std::size_t pending() const { return mQueue.size(); }
    /// Answers every request queued before the call, in order; requests made meanwhile wait for the
    /// next call. Returns how many were answered.
    int runPending();
    /// Lets go of the clients' settings objects (their document is closing).
    void releaseClients();
    /// The document is gone: requests answered later reach no one.
    void forgetDocument() { mNotify = nullptr; }

    HRESULT RegisterClient(BSTR name, BSTR displayText, LONG* key) override;
    HRESULT RequestRun(LONG key) override;
    HRESULT SetSettingsObject(LONG key, LONG index, IUnknown* settings, WORD loading) override;
    HRESULT IsActive(LONG key, WORD* active) override;
    HRESULT ReportRegion(LONG key, LONG item, HostTickPosition start, HostTickPosition end) override;

private:
    struct Request {
        WORD number;
        LONG key;
        LONG item;
        friend bool operator==(const Request&, const Request&) = default;
    };
    void* find(REFIID iid) override;
    Client* client(LONG key);
    void queue(Request request);

    std::function<void(WORD, const std::vector<DWORD>&)> mNotify;
    std::vector<Client> mClients;
    std::deque<Request> mQueue;
};

} // namespace Vantrel
