#include "analysis/PvaCalcEnumerator.h"

#include <algorithm>
#include <iomanip>
#include <istream>
#include <ostream>

#include "analysis/LoopParameters.h"

namespace Tarvik::PvaCalc {

void Params::ReadArgs(std::wistream& in) {
    double types[2] = {-1.0, 0.0};
    for (double& t : types)
        EEH3::ReadNumber(in, t);
    espvrType = SaturateToInt32(types[0]);
    edpvrType = SaturateToInt32(types[1]);
    pressureAtIntersect = volumeAtIntersect = 0.0;
    espvrTerms.assign(3, 0.0);
    edpvrTerms.assign(2, 0.0);
    EEH3::ReadNumber(in, pressureAtIntersect);
    EEH3::ReadNumber(in, volumeAtIntersect);
    for (double& term : espvrTerms)
        EEH3::ReadNumber(in, term);
    for (double& term : edpvrTerms)
        EEH3::ReadNumber(in, term);
    active = espvrType == EspvrLinear || espvrType == EspvrQuadratic;
    ReadLimits(in);
}

void Params::WriteArgs(std::wostream& out) const {
    out << espvrType << L' ' << edpvrType << std::setprecision(17);
    for (double v : {pressureAtIntersect, volumeAtIntersect})
        out << L' ' << v;
    for (double v : espvrTerms)
        out << L' ' << v;
    for (double v : edpvrTerms)
        out << L' ' << v;
    out << L' ';
    WriteLimits(out);
}

bool Params::BuildSources(IUnknown* const* host, std::int32_t count) {
    return count >= 1 && AddSource(EEH3::EventWrapperEx<TarvikEvent>::Create(host[0]));
}

bool Enumerator::Step(EEH3::PlainState& state, Params& params, PVAEvent& out) {
    if (state.finished || !params.active) {
        state.resumeTick = INT32_MAX;
        return false;
    }
    auto& loops = params.Loops();
    if (loops.HasCurrent() && (state.endLimit < 0 || loops.Position() < state.endLimit)) {
        const TarvikEvent loop = loops.CurrentEvent();
        out = PVAEvent{};
        out.tick = loop.tick;
        out.fraction = loop.fraction;
        out.value = loop.value;
        FillPVAEvent(out, loop, params.espvrType, params.edpvrType, params.espvrTerms, params.edpvrTerms,
                     params.pressureAtIntersect, params.volumeAtIntersect);
        loops.Advance();
        state.resumeTick = loop.tick + 1;
        return true;
    }
    if (loops.InputEnded())
        state.resumeTick = INT32_MAX;
    else
        state.resumeTick = state.endLimit < 0 ? loops.Position() : std::min(loops.Position(), state.endLimit);
    return false;
}

} // namespace Tarvik::PvaCalc
