#include "platform/win32/global.h"

#include <cstdint>
#include <map>
#include <vector>

namespace {

struct Block {
    std::vector<BYTE> bytes;
    int locks = 0;
};

struct Table {
    std::map<std::uintptr_t, Block> blocks;
    std::uintptr_t next = 0x6000;
};

// Never destroyed: blocks may be freed by other objects' destructors at exit
// (the desktop's clipboard), after a function-local table would be gone.
Table& Blocks() {
    static Table& table = *new Table;
    return table;
}

Block* Find(HGLOBAL block) {
    auto it = Blocks().blocks.find(reinterpret_cast<std::uintptr_t>(block));
    return it == Blocks().blocks.end() ? nullptr : &it->second;
}

} // namespace

HGLOBAL GlobalAlloc(UINT, SIZE_T bytes) {
    if (bytes > 0x7FFFFFFF)
        return nullptr;
    Table& t = Blocks();
    t.next += 0x10;
    t.blocks[t.next].bytes.assign(bytes == 0 ? 1 : bytes, 0);
    t.blocks[t.next].bytes.resize(bytes);
    return reinterpret_cast<HGLOBAL>(t.next);
}

LPVOID GlobalLock(HGLOBAL block) {
    Block* b = Find(block);
    if (b == nullptr)
        return nullptr;
    ++b->locks;
    return b->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL block) {
    Block* b = Find(block);
    if (b == nullptr || b->locks == 0)
        return FALSE;
    return --b->locks > 0 ? TRUE : FALSE;
}

HGLOBAL GlobalFree(HGLOBAL block) {
    return Blocks().blocks.erase(reinterpret_cast<std::uintptr_t>(block)) ? nullptr : block;
}

SIZE_T GlobalSize(HGLOBAL block) {
    Block* b = Find(block);
    return b == nullptr ? 0 : b->bytes.size();
}

namespace win32 {

int LiveGlobalBlocks() {
    return static_cast<int>(Blocks().blocks.size());
}

int GlobalLockCount(HGLOBAL block) {
    Block* b = Find(block);
    return b == nullptr ? -1 : b->locks;
}

} // namespace win32
