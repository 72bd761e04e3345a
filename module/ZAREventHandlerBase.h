#pragma once
// ZAREventHandlerBase: the part of a class that its command table serves.
// A class with a table overrides FindEntry and ForEachEntry through
// ZAR_COMMAND_TABLE (below): its own table first, then its base class's.

#include "module/CommandTable.h"

namespace Tarvik {

class ZAREventHandlerBase {
public:
    virtual ~ZAREventHandlerBase() = default;

    // The matching row and, in object, the full object that handles it; null
    // when no table has a row.
    virtual const ZARCommandEntry* FindEntry(const EventTrigger& trigger, void** object) {
        *object = nullptr;
        return nullptr;
    }
    virtual void ForEachEntry(TableEntryAction& action) {}
    // 1 when the message was consumed.
    virtual HRESULT DispatchMessage(IMessage* message);

    // The flags of the message being dispatched.
    DWORD messageFlags = 0;
};

// The table lookup of class T over its base class Base (ZAREventHandlerBase for a
// class whose base has no table). T provides static ZARCommandTable& CommandTable().
template <class T, class Base>
const ZARCommandEntry* FindInTables(T* self, const EventTrigger& trigger, void** object) {
    *object = nullptr;
    if (const ZARCommandEntry* entry = T::CommandTable().Find(trigger)) {
        *object = self;
        return entry;
    }
    return self->Base::FindEntry(trigger, object);
}

template <class T, class Base> void ForEachInTables(T* self, TableEntryAction& action) {
    T::CommandTable().Resolve(action);
    self->Base::ForEachEntry(action);
}

} // namespace Tarvik

// In a class T whose command table falls back to Base's.
#define ZAR_COMMAND_TABLE(T, Base)                                                                           \
    static ::Tarvik::ZARCommandTable& CommandTable();                                                        \
    const ::Tarvik::ZARCommandEntry* FindEntry(const ::Tarvik::EventTrigger& trigger, void** object)         \
        override {                                                                                           \
        return ::Tarvik::FindInTables<T, Base>(this, trigger, object);                                       \
    }                                                                                                        \
    void ForEachEntry(::Tarvik::TableEntryAction& action) override {                                         \
        ::Tarvik::ForEachInTables<T, Base>(this, action);                                                    \
    }
