// Units with SI prefixes, and the persisted cache of the channels' units.

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "core/BinIStream.h"
#include "core/BinOStream.h"
#include "core/ChannelUnitCache.h"
#include "core/ScaledValue.h"
#include "core/String.h"
#include "core/Unit.h"
#include "core/UnitChoices.h"
#include "core/XOvo.h"

namespace {

using Ovo::Unit;

TEST(Unit, PrefixCharactersAndCodes) {
    struct Case {
        wchar_t prefix;
        std::int32_t code;
    };
    for (const Case& c : {Case{0, 1}, Case{L'a', 2}, Case{L'f', 3}, Case{L'p', 4}, Case{L'n', 5},
                          Case{L'u', 6}, Case{Unit::kMicro, 6}, Case{L'm', 7}, Case{L'k', 9}, Case{L'M', 10},
                          Case{L'G', 11}, Case{L'T', 0}, Case{L'x', 0}})
        EXPECT_EQ(Unit(L"l", c.prefix).PrefixCode(), c.code) << static_cast<int>(c.prefix);
    struct Back {
        std::int32_t code;
        wchar_t prefix;
    };
    for (const Back& b : {Back{6, Unit::kMicro}, Back{7, L'm'}, Back{11, L'G'}, Back{1, 0}, Back{8, 0},
                          Back{12, 0}, Back{0, 0}, Back{-3, 0}}) {
        Unit unit(L"l", L'k');
        unit.SetPrefixCode(b.code);
        EXPECT_EQ(unit.prefix, b.prefix) << b.code;
    }
    EXPECT_EQ(Unit(L"mmHg").PrefixText(), L"");
    EXPECT_EQ(Unit(L"l", L'm').Text(), L"ml");
}

TEST(Unit, ScaleFollowsTheSiPrefixes) {
    EXPECT_EQ(Unit(L"l", L'm').ScaleFromBase(0.002), 2.0);
    EXPECT_EQ(Unit(L"l").ScaleFromBase(0.002), 0.002);
    const std::pair<wchar_t, int> powers[] = {{L'E', 18},  {L'P', 15},  {L'T', 12}, {L'G', 9},  {L'M', 6},
                                              {L'k', 3},   {L'm', -3},  {L'u', -6}, {L'n', -9}, {L'p', -12},
                                              {L'f', -15}, {L'a', -18}, {L'x', 0},  {0, 0}};
    for (auto [prefix, power] : powers)
        EXPECT_DOUBLE_EQ(Ovo::SiPrefixScale(prefix), std::pow(10.0, power)) << static_cast<int>(prefix);
}

TEST(Unit, PrefixExponentsAreCaseSensitive) {
    EXPECT_EQ(Ovo::SiPrefixExponent(L'k'), 3);
    EXPECT_EQ(Ovo::SiPrefixExponent(L'K'), 0);
    EXPECT_EQ(Ovo::SiPrefixExponent(L'g'), 0);
    EXPECT_EQ(Ovo::SiPrefixExponent(Unit::kMicro), -6);
    EXPECT_EQ(Ovo::SiPrefixScale(L'u'), Ovo::SiPrefixScale(Unit::kMicro));
    EXPECT_EQ(Ovo::SiPrefixScale(L'm'), 1.0 / 1000);
    EXPECT_EQ(Ovo::SiPrefixScale(L'?'), 1.0);
}

TEST(ScaledValue, PrefixCodesGiveTheirFactors) {
    const std::pair<std::int32_t, double> factors[] = {{1, 1.0},        {8, 1.0},    {0, 1.0},
                                                       {12, 1.0},       {2, 1e-18},  {6, 1.0 / 1e6},
                                                       {7, 1.0 / 1000}, {9, 1000.0}, {11, 1e9}};
    for (auto [code, factor] : factors)
        EXPECT_EQ(Ovo::PrefixCodeScale(code), factor) << code;
}

TEST(ScaledValue, RescalingKeepsTheQuantity) {
    const ScaledValue milli = RescaleValue({1500, 1, 1}, 7, 8);
    EXPECT_EQ(milli, (ScaledValue{1500000, 0.001, 1}));
    EXPECT_EQ(ToBaseScaledValue(milli), (ScaledValue{1500, 1, 1}));
    EXPECT_EQ(RescaleValue(milli, 8, 8), (ScaledValue{1500, 1, 1}));

    const ScaledValue kilo = RescaleValue({3, 1, 1000}, 9, 7); // 0.003 base units
    EXPECT_DOUBLE_EQ(kilo.value, 3e-3 / 1000 * 0.001);
    EXPECT_EQ(kilo.scale, 1000.0);
    EXPECT_EQ(kilo.divisor, 0.001);

    EXPECT_EQ(MakeScaledValue(Unit(L"L", Unit::kMicro), 20), (ScaledValue{20, 1e-6, 1}));
    EXPECT_EQ(MakeScaledValue(Unit(L"mmHg"), 20), (ScaledValue{20, 1, 1}));
    EXPECT_EQ(MakeScaledValueForPrefix(9, 2), (ScaledValue{2, 1000, 1}));
    EXPECT_DOUBLE_EQ(ToBaseScaledValue(MakeScaledValue(Unit(L"L", L'u'), 20)).value, 2e-5);
    EXPECT_EQ(RescaleToPrefix(Unit(L"S", L'm'), {0.002, 1, 1}), (ScaledValue{2, 0.001, 1}));
}

TEST(UnitChoices, ListsAndTheirIndices) {
    ASSERT_EQ(Ovo::GetConductanceUnitChoices().size(), 2u);
    EXPECT_EQ(Ovo::GetConductanceUnitChoices()[0], Unit(L"S", L'm'));
    EXPECT_EQ(Ovo::GetConductanceUnitChoices()[1], Unit(L"RVU"));
    std::vector<Unit> volume{Unit(L"x")};
    Ovo::GetVolumeUnitChoices(volume);
    EXPECT_EQ(volume, (std::vector<Unit>{Unit(L"L", Unit::kMicro), Unit(L"L", L'm')}));

    struct Case {
        Unit unit;
        int conductance, volume;
    };
    const Case cases[] = {{Unit(L"S", L'm'), 0, -1},  {Unit(L"RVU"), 1, -1},
                          {Unit(L"S"), -1, -1},       {Unit(L"L", Unit::kMicro), -1, 0},
                          {Unit(L"L", L'u'), -1, -1}, {Unit(L"L", L'm'), -1, 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(Ovo::FindConductanceUnitIndex(c.unit), c.conductance)
            << Ovo::String(c.unit.Text()).ToUtf8();
        EXPECT_EQ(Ovo::FindVolumeUnitIndex(c.unit), c.volume) << Ovo::String(c.unit.Text()).ToUtf8();
    }
}

// Unit objects and the unit service of a host.
class FakeUnit : public IUnitName {
public:
    FakeUnit(std::wstring base, LONG code) : mBase(std::move(base)), mCode(code) {}
    HRESULT QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_IUnknown || iid == IID_IUnitName ? this : nullptr;
        if (!*out)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++mRefs; }
    ULONG Release() override {
        const ULONG left = --mRefs;
        if (left == 0)
            delete this;
        return left;
    }
    HRESULT GetBaseText(IAutoOvoString** text) override {
        *text = Ovo::String(mBase).GetInterface();
        return S_OK;
    }
    HRESULT GetPrefixCode(LONG* code) override {
        *code = mCode;
        return S_OK;
    }

private:
    virtual ~FakeUnit() = default;
    std::wstring mBase;
    LONG mCode;
    ULONG mRefs = 1;
};

class FakeUnitService : public IUnitService {
public:
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT CreateUnitName(LONG code, IAutoOvoString* base, IUnitName** out) override {
        *out = new FakeUnit(Ovo::String(base).ToWString(), code);
        return S_OK;
    }
    HRESULT ReadConversion(IBinInStream* in, IUnknown** unit) override {
        LONG code = 0;
        IAutoOvoString* text = nullptr;
        if (in->Read4(&code) != S_OK || in->ReadString(&text) != S_OK)
            return E_FAIL;
        Ovo::String base;
        base.Adopt(text);
        *unit = new FakeUnit(base.ToWString(), code);
        return S_OK;
    }
    HRESULT WriteConversion(IBinOutStream* out, IUnknown* unit) override {
        Unit u;
        IUnitName* name = nullptr;
        unit->QueryInterface(IID_IUnitName, reinterpret_cast<void**>(&name));
        Ovo::UnitNameToUnit(name, u);
        name->Release();
        out->WriteU32(static_cast<DWORD>(u.PrefixCode()));
        IAutoOvoString* text = Ovo::String(u.base).GetInterface();
        const HRESULT hr = out->WriteString(text);
        text->Release();
        return hr;
    }
    HRESULT GetDefaultConversion(IUnknown** unit) override {
        *unit = new FakeUnit(L"V", 1);
        return S_OK;
    }
    HRESULT MakeTwoPointConversion(DWORD, const UnitRawInfo*, IAutoOvoString*, IAutoOvoString*,
                                   IAutoOvoString*, IAutoOvoString*, IAutoOvoString*, IAutoOvoString*, LONG,
                                   DWORD, DWORD, IUnknown**, IAutoOvoString**, IAutoOvoString**,
                                   DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT GetConversionRecordSize(IUnknown*, DWORD*) override { return E_NOTIMPL; }
};

struct Owner : Ovo::ChannelUnitOwner {
    FakeUnitService service;
    Position start, end;
    bool whole = false;
    IUnitService* UnitService() override { return &service; }
    IDocumentData* DocumentData() override { return nullptr; }
    void AnalysisRange(Position& s, Position& e, bool& w) override {
        s = start;
        e = end;
        w = whole;
    }
    IUnknown* FindUnitElsewhere(std::int32_t channel, Position, Position) override {
        return channel == 3 ? new FakeUnit(L"mmHg", 1) : nullptr;
    }
};

std::wstring CachedText(const Ovo::ChannelUnitCache& cache, std::int32_t channel) {
    IUnitName* name = cache.GetUnitName(channel);
    Unit unit;
    Ovo::UnitNameToUnit(name, unit);
    if (name)
        name->Release();
    return unit.Text();
}

TEST(ChannelUnitCache, FetchesFromTheHostThenFallsBackToTheDefault) {
    Owner owner;
    Ovo::ChannelUnitCache cache(owner);
    EXPECT_TRUE(cache.Fetch(3));
    EXPECT_TRUE(cache.Fetch(5));
    EXPECT_EQ(CachedText(cache, 3), L"mmHg");
    EXPECT_EQ(CachedText(cache, 5), L"V");
    EXPECT_EQ(cache.GetUnitName(9), nullptr);
    EXPECT_TRUE(cache.IsCurrent(3));
    EXPECT_FALSE(cache.IsCurrent(9));
}

TEST(ChannelUnitCache, SavedUnitsLoadBack) {
    Owner owner;
    for (const std::vector<std::int32_t>& channels : {std::vector<std::int32_t>{}, {3, 1, 5}}) {
        Ovo::ChannelUnitCache cache(owner);
        for (std::int32_t c : channels)
            cache.Fetch(c);
        std::stringbuf buffer;
        Ovo::BinOStream out(&buffer, false);
        out.WriteU32(0x5514AAAA); // the header of a storage stream: string records in their wide form
        ASSERT_EQ(cache.Save(&out), S_OK);
        Ovo::BinIStream in(&buffer, false);
        in.ReadHeader();
        Ovo::ChannelUnitCache loaded(owner);
        loaded.FetchDefault(7);
        ASSERT_EQ(loaded.Load(&in), S_OK);
        EXPECT_EQ(loaded.Count(), channels.size());
        for (std::int32_t c : channels)
            EXPECT_EQ(CachedText(loaded, c), CachedText(cache, c));
    }
}

std::string Words(std::initializer_list<DWORD> words) {
    std::string bytes;
    for (DWORD w : words)
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<char>(w >> (8 * i)));
    return bytes;
}

TEST(ChannelUnitCache, MalformedDataIsRefused) {
    struct Case {
        const char* what;
        std::string bytes;
        HRESULT expected;
        std::size_t kept; // entries left in a cache that held one
    };
    const Case cases[] = {
        {"a newer version", Words({2, 0, 2}), OVO_E_PERSISTED_DATA, 1},
        {"a trailer unlike the version", Words({1, 0, 7}), OVO_E_UNEXPECTED_DATA, 0},
        {"a count past the data", Words({1, 1000000, 3}), OVO_E_PERSISTED_DATA, 0},
        {"no trailer", Words({1, 0}), OVO_E_PERSISTED_DATA, 0},
        {"nothing", "", OVO_E_PERSISTED_DATA, 1},
    };
    Owner owner;
    for (const Case& c : cases) {
        Ovo::ChannelUnitCache cache(owner);
        cache.FetchDefault(4);
        std::stringbuf buffer(c.bytes);
        Ovo::BinIStream in(&buffer, false);
        EXPECT_EQ(cache.Load(&in), c.expected) << c.what;
        EXPECT_EQ(cache.Count(), c.kept) << c.what;
    }
}

} // namespace
