#include "workflow/LoopView.h"

#include "workflow/ModelState.h"

namespace Tarvik {

using namespace ModelState;

LoopView::LoopView(ModelDocument* document) : ModelBase(document) {
    Register<21>(mShowEspvr);
    Register<22>(mShowEdpvr);
    Register<23>(mEspvrType);
    Register<24>(mEdpvrType);
    Register<61>(mLoops);
}

bool LoopView::LoadState(Ovo::BinIStream& in, std::uint32_t) {
    Read(in, mShowEspvr);
    Read(in, mShowEdpvr);
    Read(in, mEspvrType);
    Read(in, mEdpvrType);
    return in.Good();
}

void LoopView::SaveState(Ovo::BinOStream& out) const {
    Write(out, mShowEspvr);
    Write(out, mShowEdpvr);
    Write(out, mEspvrType);
    Write(out, mEdpvrType);
}

bool LoopView::LoadExtraState(Ovo::BinIStream& in, std::uint32_t) {
    return ReadIntSet(in, mLoops);
}

void LoopView::SaveExtraState(Ovo::BinOStream& out) const {
    WriteIntSet(out, mLoops);
}

void WriteIntSet(Ovo::BinOStream& out, const IntSet& set) {
    Write(out, static_cast<std::uint32_t>(set.size()));
    for (std::int32_t member : set)
        Write(out, member);
}

bool ReadIntSet(Ovo::BinIStream& in, IntSet& set) {
    std::uint32_t count = 0;
    Read(in, count);
    if (!CountFits(in, count, sizeof(std::uint32_t)))
        return false;
    IntSet read;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::int32_t member = 0;
        Read(in, member);
        read.insert(member);
    }
    if (!in.Good())
        return false;
    set = std::move(read);
    return true;
}

} // namespace Tarvik
