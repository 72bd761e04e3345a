#include "workflow/HemoTable.h"

#include "workflow/ModelState.h"

namespace Tarvik {

namespace {
constexpr std::int32_t kFirstStored = 1;
constexpr std::int32_t kLastStored = 29;
} // namespace

HemoTable::HemoTable(ModelDocument* document) : ModelBase(document) {
    Register<56>(mExportOption);
    Register<57>(mViewOption);
    Register<55>(mShown);
    for (std::int32_t id = 0; id <= kLastStored; ++id)
        mShown.insert(id);
}

bool HemoTable::LoadState(Ovo::BinIStream& in, std::uint32_t) {
    ModelState::Read(in, mExportOption);
    ModelState::Read(in, mViewOption);
    for (std::int32_t id = kFirstStored; id <= kLastStored && in.Good(); ++id) {
        bool shown = false;
        ModelState::Read(in, shown);
        if (!in.Good())
            break;
        if (shown)
            mShown.insert(id);
        else
            mShown.erase(id);
    }
    return in.Good();
}

void HemoTable::SaveState(Ovo::BinOStream& out) const {
    ModelState::Write(out, mExportOption);
    ModelState::Write(out, mViewOption);
    for (std::int32_t id = kFirstStored; id <= kLastStored; ++id)
        ModelState::Write(out, mShown.count(id) != 0);
}

} // namespace Tarvik
