#include "module/ModuleVersion.h"

#include "tests/support/ModuleHost.h"

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

} // namespace
