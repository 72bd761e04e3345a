#include "module/CommandTable.h"

namespace Tarvik {

bool CommandTrigger::Matches(const ZARCommandEntry& entry) const {
    switch (entry.match) {
    case kMatchExact:
        return entry.id == m_id;
    case kMatchRange:
        return entry.id <= m_id && m_id < entry.secondId;
    default:
        return false;
    }
}

bool MsgEventTrigger::Matches(const ZARCommandEntry& entry) const {
    const DWORD mask = 0xFFFF0000u | entry.match;
    return (entry.id & mask) == (m_id & mask);
}

void RegisterAction::Apply(const ZARCommandEntry& entry) {
    if (entry.kind == kObserverRow && m_registry != nullptr)
        m_registry->Register(m_observer, entry.id, 0);
}

ZARCommandTable::ZARCommandTable(std::initializer_list<ZARCommandEntry> rows) {
    ZARCommandEntry header;
    header.kind = kHeaderRow;
    header.flags = kUnresolved;
    m_rows.push_back(header);
    m_rows.insert(m_rows.end(), rows.begin(), rows.end());
    m_rows.push_back(ZARCommandEntry{});
}

void ZARCommandTable::ResolveIds() {
    if (IsResolved())
        return;
    bool complete = true;
    auto resolve = [&complete](IdAccessor accessor, DWORD& id) {
        if (accessor == nullptr)
            return;
        id = accessor();
        if ((id >> 16) == 0)
            complete = false;
    };
    for (ZARCommandEntry& row : m_rows) {
        if (row.kind == kHeaderRow || row.kind == kEndRow)
            continue;
        resolve(row.idAccessor, row.id);
        if (row.match == kMatchRange && row.kind != kMessageRow && row.kind != kObserverRow)
            resolve(row.secondAccessor, row.secondId);
    }
    if (complete)
        m_rows.front().flags &= static_cast<std::uint8_t>(~kUnresolved);
}

const ZARCommandEntry* ZARCommandTable::Find(const EventTrigger& trigger) {
    ResolveIds();
    const std::uint8_t kind = trigger.Kind();
    for (const ZARCommandEntry& row : m_rows) {
        if (row.kind == kEndRow)
            break;
        if (row.kind != kHeaderRow && row.kind == kind && trigger.Matches(row))
            return &row;
    }
    return nullptr;
}

void ZARCommandTable::Resolve(TableEntryAction& action) {
    ResolveIds();
    for (const ZARCommandEntry& row : m_rows) {
        if (row.kind == kEndRow)
            break;
        action.Apply(row);
    }
}

} // namespace Tarvik
