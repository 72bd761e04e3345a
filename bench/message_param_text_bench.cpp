// Splitting a message parameter text: time per character for texts of 1 Ki to 64 Ki characters of
// parameter triples with groups, which stays flat when the split is linear in the text's length.

#include "core/MessageParamText.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// Triples of a number, a rectangle (a group of four items) and a text, to length characters.
Ovo::String paramText(std::size_t length) {
    std::u16string text;
    for (int i = 0; text.size() < length; ++i)
        text += u"LONG,position,7,rect,area,{{1,2,3,4}},String,name,a;;b,";
    text.resize(length);
    return Ovo::String(text);
}

void BM_SplitParamText(benchmark::State& state) {
    const Ovo::String text = paramText(static_cast<std::size_t>(state.range(0)));
    const Ovo::String open(u"{{"), close(u"}}");
    for (auto _ : state)
        benchmark::DoNotOptimize(Ovo::SplitParamText(text, open, close));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_SplitParamText)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity(benchmark::oN);
