#include "module/ModuleVersion.h"

#include "module/GraphDisplayInfoFromHost.h"

#include "host/engine/ComObject.h"
#include "tests/support/FakeCalcSources.h"
#include "tests/support/ModuleHost.h"

#include <set>

namespace {

using Ovo::String;
using TarvikTest::ModuleHost;

TEST(ModuleVersionText, ShowsPreReleaseAndFinalBuildsOnly) {
    struct Case {
        WORD build;
        const char16_t* version;
        const char16_t* description;
        const char16_t* shown;
    };
    const Case cases[] = {
        {0, u"1.2 Beta", u"Tarvik", u"Tarvik 1.2 Beta"},
        {0, u"1.2 Alpha", u"Tarvik", u"Tarvik 1.2 Alpha"},
        {0, u"1.2 Final", u"Tarvik", u"Tarvik 1.2 Final"},
        {0, u"1.2 Final Rev", u"Tarvik", u""},
        {0, u"1.2", u"Tarvik", u""},
        {1024, u"1.2 Beta", u"Tarvik", u""},
        {1023, u"1.2 Beta", u"N/A", u"N/A 1.2 Beta"},
        {0, u"N/A", u"Tarvik", u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            Tarvik::ModuleVersionTextFor(c.build, String(c.version), String(c.description)).ToU16String(),
            c.shown)
            << String(c.version).ToUtf8() << " build " << c.build;
    const String longDescription(std::u16string(300, u'x').c_str());
    EXPECT_EQ(Tarvik::ModuleVersionTextFor(0, String(u"Beta"), longDescription).Length(), 256);
}

class ModuleQueries : public ModuleHost {};

TEST_F(ModuleQueries, TheCalculationObjectClassIsNumberOneOfTheExtensionSpace) {
    const WORD space = Zar().MessageIds().NumberOf(MakeGuid("{C3397303-5AAD-11D3-AB07-00A0CC40B4CE}"));
    EXPECT_EQ(Tarvik::CalcObjectClassId(), (static_cast<DWORD>(space) << 16) | 1);
}

TEST_F(ModuleQueries, ADocumentWithoutChannelsHasNoChannelObject) {
    IUnknown* object = &host->Tests();
    EXPECT_FALSE(Tarvik::GetChannelObject(&host->Tests(), 0, &object));
    EXPECT_EQ(object, nullptr);
    EXPECT_FALSE(Tarvik::GetChannelObject(nullptr, 0, &object));
}

// Document data whose channel 1 has the unit mmHg in record 0 only.
struct UnitData : IDocumentData, IUnitName {
    HRESULT QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_IUnitName ? static_cast<IUnitName*>(this) : nullptr;
        return *out == nullptr ? E_NOINTERFACE : S_OK;
    }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT GetRecordCount(LONG*) override { return E_NOTIMPL; }
    HRESULT GetRecordEndTick(LONG, LONG*) override { return E_NOTIMPL; }
    HRESULT GetChannelCount(LONG, DWORD, LONG*) override { return E_NOTIMPL; }
    HRESULT GetChannelEvents(LONG, LONG, LONG, IEnumEventEx**) override { return E_NOTIMPL; }
    HRESULT GetChannelSamples(LONG, DWORD, LONG, LONG, ISampleChannel**) override { return E_NOTIMPL; }
    HRESULT GetChannelUnit(LONG channel, LONG record, DWORD flags, IUnknown** unit) override {
        flagsSeen = flags;
        *unit = channel == 1 && record == 0 ? static_cast<IDocumentData*>(this) : nullptr;
        return *unit == nullptr ? S_FALSE : S_OK;
    }
    HRESULT GetBaseText(IAutoOvoString** text) override {
        *text = String(u"mmHg").GetInterface();
        return S_OK;
    }
    HRESULT GetPrefixCode(LONG* code) override {
        *code = 7; // m
        return S_OK;
    }
    DWORD flagsSeen = 0;
};

TEST(ChannelQueries, TheUnitOfAChannelInARecordComesFromTheDocumentsData) {
    UnitData data;
    Ovo::Unit unit(L"V");
    EXPECT_FALSE(Tarvik::GetChannelUnitText(&data, 1, 3, unit));
    EXPECT_EQ(unit.Text(), L"V") << "unchanged";
    EXPECT_TRUE(Tarvik::GetChannelUnitText(&data, 1, 0, unit));
    EXPECT_EQ(unit.Text(), L"mmmHg");
    EXPECT_EQ(data.flagsSeen, kDataUnitFlags);
    EXPECT_FALSE(Tarvik::GetChannelUnitText(nullptr, 1, 0, unit));
}

// A document whose channel 2 has data in records 1 and 3, each with a unit object of its own,
// and whose selection starts in a record chosen by the test.
struct UnitSourceDocument
    : Vantrel::ComObject<IHostDocObject, IHostDataObject, IDocumentData, IHostSelection> {
    std::set<LONG> recordsWithData{1, 3};
    LONG selectedRecord = INT32_MAX;
    std::vector<DWORD> probeFlags;
    UnitData units[4];

    void* find(REFIID iid) override {
        if (iid == IID_IHostDocObject)
            return static_cast<IHostDocObject*>(this);
        if (iid == IID_IHostDataObject)
            return static_cast<IHostDataObject*>(this);
        if (iid == IID_IDocumentData)
            return static_cast<IDocumentData*>(this);
        return nullptr;
    }
    HRESULT GetDataObject(DWORD, IHostDataObject** out) override {
        AddRef();
        *out = this;
        return S_OK;
    }
    HRESULT GetSelection(DWORD, IHostSelection** out) override {
        *out = selectedRecord == INT32_MAX ? nullptr : static_cast<IHostSelection*>(this);
        if (*out)
            AddRef();
        return *out ? S_OK : S_FALSE;
    }
    HRESULT MapPosition(HostTickPosition in, HostTickPosition* out) override {
        *out = in;
        return S_OK;
    }
    HRESULT ReportPosition(HostTickPosition in, HostTickPosition* out) override {
        return MapPosition(in, out);
    }
    HRESULT GetTickCount(DWORD, std::int64_t*) override { return E_NOTIMPL; }
    HRESULT GetEnds(HostTickPosition* a, HostTickPosition* b) override {
        *a = {selectedRecord, 5};
        *b = {selectedRecord, 50};
        return S_OK;
    }
    HRESULT HasSelection(WORD* present) override {
        *present = 1;
        return S_OK;
    }
    HRESULT GetRecordCount(LONG*) override { return E_NOTIMPL; }
    HRESULT GetRecordEndTick(LONG, LONG*) override { return E_NOTIMPL; }
    HRESULT GetChannelCount(LONG, DWORD, LONG*) override { return E_NOTIMPL; }
    HRESULT GetChannelEvents(LONG, LONG, LONG, IEnumEventEx**) override { return E_NOTIMPL; }
    HRESULT GetChannelSamples(LONG channel, DWORD flags, LONG record, LONG, ISampleChannel** out) override {
        probeFlags.push_back(flags);
        *out = nullptr;
        if (channel != 2 || !recordsWithData.contains(record))
            return E_FAIL;
        *out = new FakeEngine::SampleChannel(std::make_shared<FakeEngine::SampleData>());
        return S_OK;
    }
    HRESULT GetChannelUnit(LONG channel, LONG record, DWORD, IUnknown** unit) override {
        *unit = channel == 2 && recordsWithData.contains(record)
                    ? static_cast<IDocumentData*>(&units[static_cast<std::size_t>(record)])
                    : nullptr;
        return *unit ? S_OK : S_FALSE;
    }
};

TEST(ChannelQueries, TheUnitSourceIsTheRangesStartThenTheSelectionsWhereTheChannelHasData) {
    auto* document = new UnitSourceDocument;
    const auto source = [&](HostTickPosition rangeStart) -> IUnknown* {
        IUnknown* unit = reinterpret_cast<IUnknown*>(std::uintptr_t{1});
        const bool found = Tarvik::FindChannelUnitSource(document, 2, rangeStart, &unit);
        EXPECT_EQ(found, unit != nullptr);
        return unit;
    };
    document->selectedRecord = 1;
    EXPECT_EQ(source({3, 0}), static_cast<IDocumentData*>(&document->units[3])) << "the range's start first";
    EXPECT_EQ(source({0, 0}), static_cast<IDocumentData*>(&document->units[1]))
        << "no data there: the selection";
    EXPECT_EQ(source({INT32_MAX, INT32_MAX}), static_cast<IDocumentData*>(&document->units[1]));
    document->selectedRecord = 2;
    EXPECT_EQ(source({0, 0}), nullptr) << "neither has data";
    document->selectedRecord = INT32_MAX;
    EXPECT_EQ(source({2, 0}), nullptr) << "no selection";
    for (const DWORD flags : document->probeFlags)
        EXPECT_EQ(flags, Tarvik::kChannelDataProbe);
    IUnknown* unit = nullptr;
    EXPECT_FALSE(Tarvik::FindChannelUnitSource(nullptr, 2, {1, 0}, &unit));
    EXPECT_EQ(document->Release(), 0u);
}

TEST_F(ModuleQueries, GraphDisplaySettingsComeFromTheHostsPreferencesForTheView) {
    using namespace ExtLib;
    auto& preferences = host->Application().Preferences();
    static int viewSettings;
    auto* view = reinterpret_cast<IUnknown*>(&viewSettings);
    preferences.Set(nullptr, kGraphFirstPreference, 0);
    preferences.Set(nullptr, kGraphSecondPreference, 3);
    preferences.Set(nullptr, kGraphGridColourPreference, 0x112233);
    preferences.Set(nullptr, kGraphDotStylePreference, 1);
    preferences.Set(view, kGraphDotStylePreference, 0);
    preferences.Set(nullptr, kGraphShownPreference, 0);
    preferences.Set(nullptr, kGraphLastPreference, 42);
    const GraphDisplayInfoFromHost forView(view);
    EXPECT_TRUE(forView.FromHost());
    EXPECT_EQ(forView.Info().first, 1u) << "0 reads as 1";
    EXPECT_EQ(forView.Info().second, 3u);
    EXPECT_EQ(forView.Info().gridColour, 0x332211u) << "as a COLORREF";
    EXPECT_EQ(forView.Info().dotStyle, 0u) << "the view's own value";
    EXPECT_FALSE(forView.Info().shown);
    EXPECT_EQ(forView.LastSetting(), 42u);
    EXPECT_EQ(GraphDisplayInfoFromHost(nullptr).Info().dotStyle, 1u);
}

TEST(GraphDisplayInfo, TheDefaultsGoToTheDrawerWithTheCallersStyle) {
    struct Drawer {
        ZOzuve1::GraphDisplayInfo info;
        void SetDisplayInfo(const ZOzuve1::GraphDisplayInfo& i) { info = i; }
    } drawer;
    drawer.info.gridColour = 0;
    ExtLib::DefaultGraphDisplayInfo(drawer, 1, false);
    EXPECT_EQ(drawer.info.first, 1u);
    EXPECT_EQ(drawer.info.second, 0xAFu);
    EXPECT_EQ(drawer.info.gridColour, 0xFFAFAFu);
    EXPECT_EQ(drawer.info.dotStyle, 1u);
    EXPECT_FALSE(drawer.info.shown);
}

} // namespace
