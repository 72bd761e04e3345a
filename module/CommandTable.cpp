#include "module/CommandTable.h"

namespace Tarvik {

bool CommandTrigger::Matches(const ZARCommandEntry& entry) const {
    switch (entry.match) {
    case kMatchExact:
        return entry.id == mId;
    case kMatchRange:
        return entry.id <= mId && mId < entry.secondId;
    default:
        return false;
    }
}

bool MsgEventTrigger::Matches(const ZARCommandEntry& entry) const {
    const DWORD mask = 0xFFFF0000u | entry.match;
    return (entry.id & mask) == (mId & mask);
}

void RegisterAction::Apply(const ZARCommandEntry& entry) {
    if (entry.kind == kObserverRow && mRegistry != nullptr)
        mRegistry->Register(mObserver, entry.id, 0);
}

ZARCommandTable::ZARCommandTable(std::initializer_list<ZARCommandEntry> rows) {
    ZARCommandEntry header;
    header.kind = kHeaderRow;
    header.flags = kUnresolved;
    mRows.push_back(header);
    mRows.insert(mRows.end(), rows.begin(), rows.end());
    mRows.push_back(ZARCommandEntry{});
}

bool ZARCommandTable::IsResolved() const {
    return (mRows.front().flags & kUnresolved) == 0 && mGeneration == detail::IdGeneration();
}

void ZARCommandTable::ResolveIds() {
    if (IsResolved())
        return;
    mGeneration = detail::IdGeneration();
    bool complete = true;
    auto resolve = [&complete](IdAccessor accessor, DWORD& id) {
        if (accessor == nullptr)
            return;
        id = accessor();
        if ((id >> 16) == 0)
            complete = false;
    };
    for (ZARCommandEntry& row : mRows) {
        if (row.kind == kHeaderRow || row.kind == kEndRow)
            continue;
        resolve(row.idAccessor, row.id);
        if (row.match == kMatchRange && row.kind != kMessageRow && row.kind != kObserverRow)
            resolve(row.secondAccessor, row.secondId);
    }
    if (complete)
        mRows.front().flags &= static_cast<std::uint8_t>(~kUnresolved);
}

const ZARCommandEntry* ZARCommandTable::Find(const EventTrigger& trigger) {
    ResolveIds();
    const std::uint8_t kind = trigger.Kind();
    for (const ZARCommandEntry& row : mRows) {
        if (row.kind == kEndRow)
            break;
        if (row.kind != kHeaderRow && row.kind == kind && trigger.Matches(row))
            return &row;
    }
    return nullptr;
}

void ZARCommandTable::Resolve(TableEntryAction& action) {
    ResolveIds();
    for (const ZARCommandEntry& row : mRows) {
        if (row.kind == kEndRow)
            break;
        action.Apply(row);
    }
}

} // namespace Tarvik
