#pragma once
// A record source and its data object for drawer tests: values are a function
// of the position, and every Release of the two objects is logged.

#include <functional>
#include <string>
#include <vector>

#include "core/CComObjectRoot.h"
#include "platform/vantrel/IRecordData.h"
#include "platform/vantrel/IRecordSource.h"

namespace panes_test {

class FakeData : public Ovo::SimpleUnknownImp1<IRecordData, IID_IRecordData> {
public:
    explicit FakeData(std::vector<std::string>* log) : mLog(log) {}
    ULONG Release() override {
        if (mLog)
            mLog->push_back("data");
        return SimpleUnknownImp1::Release();
    }
    HRESULT GetRecordEnd(LONG, RecordPosition*) override { return E_NOTIMPL; }
    HRESULT TickToPosition(LONG, LONG, LONGLONG*) override { return E_NOTIMPL; }
    HRESULT PositionToTick(LONGLONG position, LONG* tick) override {
        *tick = static_cast<LONG>(position) + cookie;
        return S_OK;
    }
    HRESULT QueryValue(DWORD key, LONGLONG position, LONG channel, double* value) override {
        lastKey = key;
        lastChannel = channel;
        *value = static_cast<double>(position) * 0.5;
        return S_OK;
    }

    LONG cookie = 7;
    DWORD lastKey = 0;
    LONG lastChannel = -1;

private:
    std::vector<std::string>* mLog;
};

class FakeSource : public Ovo::SimpleUnknownImp1<IRecordSource, IID_IRecordSource> {
public:
    FakeSource(IRecordData* data, std::vector<std::string>* log) : mData(data), mLog(log) {}
    ULONG Release() override {
        if (mLog)
            mLog->push_back("source");
        return SimpleUnknownImp1::Release();
    }
    HRESULT GetDataObject(IUnknown** object) override {
        *object = mData.Get();
        if (*object)
            (*object)->AddRef();
        return S_OK;
    }

private:
    ComPtr<IRecordData> mData;
    std::vector<std::string>* mLog;
};

} // namespace panes_test
