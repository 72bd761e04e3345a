#pragma once
// The kinds of step-model parameter values, their C++ types, and the equality
// each kind compares two values with (DiffModelParams and the setters).
//
//   kind  type                          equality
//    0    i32                           exact
//    1    u32 (a channel index)         exact
//    2    bool                          exact
//    3    f64                           ApproxEqual (never true for a NaN)
//    4    Ovo::Unit                     base text and prefix character
//    5    StringPair                    both strings
//    6    sequence of f64               same length, each element exactly (IEEE)
//    7    sequence of BolusRecord       same length, record by record in order
//    8    IntSet                        same members
//    9    WordPair                      both words
//   10    IntSet                        as kind 8
//   11    CuvetteTable                  same counts, then each cell exactly (IEEE)

#include <cstdint>
#include <unordered_set>
#include <vector>

#include "core/NumericHelpers.h"
#include "core/String.h"
#include "core/Unit.h"
#include "workflow/CuvetteTable.h"

namespace Tarvik {

enum class ModelParamKind : std::int32_t {
    Int = 0,
    Unsigned = 1,
    Bool = 2,
    Double = 3,
    Unit = 4,
    StringPair = 5,
    Doubles = 6,
    Boluses = 7,
    IdSet = 8,
    WordPair = 9,
    IndexSet = 10,
    CuvetteTable = 11,
};

using IntSet = std::unordered_set<std::int32_t>;

struct StringPair {
    Ovo::String first;
    Ovo::String second;
    friend bool operator==(const StringPair&, const StringPair&) = default;
};

struct WordPair {
    std::uint32_t first = 0;
    std::uint32_t second = 0;
    friend bool operator==(const WordPair&, const WordPair&) = default;
};

// One saline bolus: its parallel conductance and four words that the code adding the bolus fills
// (0x7FFFFFFF until then), with a set of integers kept with it.
struct BolusRecord {
    static constexpr std::uint32_t kUnset = 0x7FFFFFFF;

    double value = 0.0;
    std::uint32_t word1 = kUnset;
    std::uint32_t word2 = kUnset;
    std::uint32_t word3 = kUnset;
    std::uint32_t word4 = kUnset;
    IntSet members;

    // Equal words and members, and ApproxEqual values.
    friend bool operator==(const BolusRecord& a, const BolusRecord& b);
};

template <ModelParamKind K> struct ModelParamKindType;
template <> struct ModelParamKindType<ModelParamKind::Int> { using Type = std::int32_t; };
template <> struct ModelParamKindType<ModelParamKind::Unsigned> { using Type = std::uint32_t; };
template <> struct ModelParamKindType<ModelParamKind::Bool> { using Type = bool; };
template <> struct ModelParamKindType<ModelParamKind::Double> { using Type = double; };
template <> struct ModelParamKindType<ModelParamKind::Unit> { using Type = Ovo::Unit; };
template <> struct ModelParamKindType<ModelParamKind::StringPair> { using Type = StringPair; };
template <> struct ModelParamKindType<ModelParamKind::Doubles> { using Type = std::vector<double>; };
template <> struct ModelParamKindType<ModelParamKind::Boluses> { using Type = std::vector<BolusRecord>; };
template <> struct ModelParamKindType<ModelParamKind::IdSet> { using Type = IntSet; };
template <> struct ModelParamKindType<ModelParamKind::WordPair> { using Type = WordPair; };
template <> struct ModelParamKindType<ModelParamKind::IndexSet> { using Type = IntSet; };
template <> struct ModelParamKindType<ModelParamKind::CuvetteTable> { using Type = CuvetteTable; };

template <ModelParamKind K> using ModelParamKindT = typename ModelParamKindType<K>::Type;

// The equality of kind K.
template <ModelParamKind K> bool ParamValuesEqual(const ModelParamKindT<K>& a, const ModelParamKindT<K>& b) {
    if constexpr (K == ModelParamKind::Double)
        return ApproxEqual(a, b);
    else
        return a == b;
}

// Calls f.template operator()<K>() with the kind K given at run time (a lambda template
// []<ModelParamKind K>() { ... }).
template <class F> decltype(auto) VisitParamKind(ModelParamKind kind, F&& f) {
    using K = ModelParamKind;
    switch (kind) {
    case K::Int:
        return f.template operator()<K::Int>();
    case K::Unsigned:
        return f.template operator()<K::Unsigned>();
    case K::Bool:
        return f.template operator()<K::Bool>();
    case K::Double:
        return f.template operator()<K::Double>();
    case K::Unit:
        return f.template operator()<K::Unit>();
    case K::StringPair:
        return f.template operator()<K::StringPair>();
    case K::Doubles:
        return f.template operator()<K::Doubles>();
    case K::Boluses:
        return f.template operator()<K::Boluses>();
    case K::IdSet:
        return f.template operator()<K::IdSet>();
    case K::WordPair:
        return f.template operator()<K::WordPair>();
    case K::IndexSet:
        return f.template operator()<K::IndexSet>();
    case K::CuvetteTable:
        break;
    }
    return f.template operator()<K::CuvetteTable>();
}

} // namespace Tarvik
