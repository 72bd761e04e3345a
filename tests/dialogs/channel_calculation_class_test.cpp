// The channel calculation "Tarvik" as the host runs it: its classes in the host's registry, its
// settings dialog answered by a script, a calculation for a channel of the occlusion sample, the
// channel's 16-bit codes read back as values, and its settings stored with the channel.

#include <gtest/gtest.h>

#include <cmath>

#include "dialogs/TarvikChannelCalculationClass.h"
#include "dialogs/TarvikChannelCalculationDlg.h"
#include "host/document/ChannelCalculations.h"
#include "host/framework/Text.h"
#include "platform/user/Desktop.h"
#include "platform/user/Input.h"
#include "platform/user/user.h"
#include "tests/document/RecordingFixture.h"

namespace {

using Tarvik::TarvikChannelCalculation;
using Tarvik::TarvikChannelCalculationDlg;
using Settings = TarvikChannelCalculation::Settings;
constexpr std::uint32_t kStrokeVolume = 3;
constexpr std::uint32_t kEndDiastolicVolume = 7;

class ChannelCalculationHost : public TarvikTest::RecordingFixture {
protected:
    void SetUp() override {
        RecordingFixture::SetUp();
        user::Desktop::Reset();
        Zar().Classes().RegisterClassObject(&Tarvik::ChannelCalculationClass());
        Zar().Classes().RegisterClassObject(&Tarvik::ChannelCalculationSettingsClass());
        recording = TarvikTest::ImportSample("mouse-occlusion");
    }
    void TearDown() override {
        for (auto& channel : channels)
            channel->release();
        channels.clear();
        RecordingFixture::TearDown();
        user::Desktop::Reset();
    }

    Tarvik::TarvikDocument& Analysed() {
        Tarvik::TarvikDocument& document = OpenWithStoredSetUp(*recording);
        EXPECT_TRUE(recordingDocument->sendMessage(Tarvik::DocMsgId<257>()));
        return document;
    }
    IUnknown* HostDocument() { return static_cast<IHostDocument*>(recordingDocument.Get()); }
    ICalculationClass& CalculationClass() {
        const auto classes = Vantrel::ChannelCalculationClasses(Zar().Classes());
        EXPECT_EQ(classes.size(), 1u);
        return *classes.at(0);
    }
    // The settings the dialog gives when the script runs on it; null when it was cancelled.
    ComPtr<IPersistObject> Edit(LONG channel, IPersistObject* existing, user::DialogScript script) {
        user::Desktop::Current().Dialogs().Script(std::move(script));
        ComPtr<IPersistObject> settings;
        EXPECT_EQ(user::Desktop::Current().Dialogs().Pending(), 1u);
        const HRESULT hr =
            CalculationClass().EditSettings(nullptr, HostDocument(), channel, existing, settings.Put());
        EXPECT_EQ(hr, settings ? S_OK : S_FALSE);
        return settings;
    }
    Vantrel::DerivedChannel& Channel(LONG number, IPersistObject* settings) {
        channels.push_back(ComPtr<Vantrel::DerivedChannel>::Adopt(new Vantrel::DerivedChannel(
            ComPtr<Vantrel::VirtualChannelDocument>(&recordingDocument->data()), number)));
        EXPECT_EQ(channels.back()->create(CalculationClass(), HostDocument(), settings), S_OK);
        return *channels.back().Get();
    }

    std::unique_ptr<Vantrel::Recording> recording;
    std::vector<ComPtr<Vantrel::DerivedChannel>> channels;
};

// Delivers what the script's input posted.
void Pump() {
    user::Desktop::Current().Pump();
}

std::u16string Text(HWND dialog, int id) {
    WCHAR text[64] = {};
    GetDlgItemTextW(dialog, id, text, 64);
    return text;
}

TEST_F(ChannelCalculationHost, TheClassesAreTheHostsWithTheirNamesAndIds) {
    ICalculationClass& calculation = CalculationClass();
    BSTR name = nullptr;
    calculation.GetNameBSTR(&name);
    EXPECT_EQ(Vantrel::TakeBstr(name), u"Tarvik");
    name = nullptr;
    calculation.GetDescription(&name);
    EXPECT_EQ(Vantrel::TakeBstr(name), u"Generates data from the hemodynamics table.");
    DWORD id = 0, settingsId = 0;
    calculation.GetClassId(&id);
    IPersistClassObject* settingsClass = Vantrel::ChannelSettingsClass(Zar().Classes());
    ASSERT_NE(settingsClass, nullptr);
    settingsClass->GetClassId(&settingsId);
    EXPECT_EQ(id >> 16, Zar().MessageIds().NumberOf(Tarvik::HostMsgGuidC9C5));
    EXPECT_EQ(settingsId, id | 1);

    ComPtr<IUnknown> none;
    EXPECT_EQ(calculation.CreateCalculation(nullptr, 0, 0, nullptr, none.Put()), E_FAIL);
    EXPECT_FALSE(none);
}

TEST_F(ChannelCalculationHost, AChannelOfTheOcclusionShowsEachLoopsStrokeVolume) {
    Tarvik::TarvikDocument& document = Analysed();
    // The user picks SV and scales the channel to its data.
    const auto settings = Edit(1, nullptr, [](HWND dialog) {
        user::ChooseItem(GetDlgItem(dialog, TarvikChannelCalculationDlg::kParameter), 2);
        Pump();
        EXPECT_EQ(Text(dialog, TarvikChannelCalculationDlg::kTopUnit), u"\u00B5L")
            << "SV in the volume's unit";
        SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    ASSERT_TRUE(settings);
    auto& chosen = dynamic_cast<Settings&>(*settings.Get());
    EXPECT_EQ(chosen.parameter, kStrokeVolume);
    EXPECT_TRUE(chosen.enabled) << "auto scale, as new settings have it";

    Tarvik::TarvikData& loops = document.LoopData();
    const std::int32_t count = loops.GetVChanData().GetStats()->total();
    ASSERT_GT(count, 10);
    double smallest = INFINITY, largest = -INFINITY;
    for (std::int32_t i = 0; i < count; ++i) {
        const double sv = loops.GetLoopParamValue(static_cast<std::int32_t>(kStrokeVolume), i);
        if (std::isfinite(sv)) {
            smallest = std::min(smallest, sv);
            largest = std::max(largest, sv);
        }
    }
    EXPECT_NEAR(chosen.bottom, smallest, std::fabs(smallest) * 1e-6) << "the range of the data";
    EXPECT_NEAR(chosen.top, largest, std::fabs(largest) * 1e-6);

    Vantrel::DerivedChannel& channel = Channel(1, settings.Get());
    EXPECT_EQ(channel.formula(), u"TarvikParamSelector(tarvik, 3, 1, 1)") << channel.error();
    EXPECT_EQ(channel.unit(), u"\u00B5L");
    const double step = (chosen.top - chosen.bottom) / 64000.0; // one code
    const std::vector<double> values = channel.values(0);
    const std::vector<std::int16_t> codes = channel.codes(0);
    ASSERT_EQ(values.size(), static_cast<std::size_t>(recording->record(0).tickCount()));
    int checked = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        const TickPosition at = loops.GetLoopPosition(i);
        const double sv = loops.GetLoopParamValue(static_cast<std::int32_t>(kStrokeVolume), i);
        if (at.record != 0 || !std::isfinite(sv))
            continue;
        EXPECT_NEAR(values.at(static_cast<std::size_t>(at.tick)), sv, step) << "loop " << i;
        EXPECT_GE(codes.at(static_cast<std::size_t>(at.tick)), -32000);
        EXPECT_LE(codes.at(static_cast<std::size_t>(at.tick)), 32000);
        ++checked;
    }
    EXPECT_GT(checked, 10);

    // Stored with the channel and read back into another calculation: the same channel.
    const std::vector<BYTE> stored = channel.storedSettings();
    EXPECT_EQ(stored.size(), 16u);
    Vantrel::DerivedChannel& reopened = Channel(1, nullptr);
    ASSERT_EQ(reopened.restore(*Vantrel::ChannelSettingsClass(Zar().Classes()), stored), S_OK);
    EXPECT_EQ(reopened.values(0), values);
    EXPECT_EQ(channel.apply(settings.Get()), S_FALSE) << "equal settings change nothing";
}

TEST_F(ChannelCalculationHost, WithoutTheModulesDocumentAChannelShowsZeroAndPeReadsTheAreaChannel) {
    Open(*recording);
    const auto none = ComPtr<Settings>::Adopt(Settings::Create(1));
    none->parameter = 27;
    Vantrel::DerivedChannel& before = Channel(1, none.Get());
    EXPECT_EQ(before.formula(), u"0") << "no module document, no loop channel";
    const std::vector<double> zero = before.values(0);
    ASSERT_FALSE(zero.empty());
    EXPECT_TRUE(std::all_of(zero.begin(), zero.end(), [](double v) { return std::fabs(v) < 1e-4; }));

    // With the module's analysis: PE through the area selector over the pressure-volume-area channel.
    recordingDocument->storeStream(0, TarvikTest::ReadBytes(TarvikTest::kDocumentData / "setup-stream0.bin"));
    recordingDocument->storeStream(1, TarvikTest::ReadBytes(TarvikTest::kDocumentData / "setup-stream1.bin"));
    OpenModule();
    ASSERT_TRUE(recordingDocument->sendMessage(Tarvik::DocMsgId<257>()));
    const auto after = ComPtr<Vantrel::DerivedChannel>::Adopt(
        new Vantrel::DerivedChannel(ComPtr<Vantrel::VirtualChannelDocument>(&recordingDocument->data()), 1));
    channels.push_back(after);
    EXPECT_EQ(after->create(CalculationClass(), HostDocument(), none.Get()), S_OK) << after->error();
    EXPECT_EQ(after->formula(), u"TarvikPVAParamSelector(pva, 27, 1, 1)");
    const std::vector<double> pe = after->values(0);
    EXPECT_TRUE(std::any_of(pe.begin(), pe.end(), [](double v) { return std::fabs(v) > 1e-3; }));
    none->parameter = 25;
    EXPECT_EQ(after->apply(none.Get()), S_OK) << after->error();
    EXPECT_TRUE(after->error().empty());
    EXPECT_EQ(after->formula(), u"TarvikParamSelector(tarvik, 25, 1, 1)");
}

TEST_F(ChannelCalculationHost, TheDialogClampsDecimalsScalesByThePrefixAndCanBeCancelled) {
    Analysed();
    const auto start = ComPtr<Settings>::Adopt(Settings::Create(1));
    start->parameter = 40; // outside 1 .. 29: the first parameter is chosen
    start->enabled = false;
    const auto settings = Edit(1, start.Get(), [](HWND dialog) {
        EXPECT_EQ(
            SendMessageW(GetDlgItem(dialog, TarvikChannelCalculationDlg::kParameter), CB_GETCURSEL, 0, 0), 0);
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, TarvikChannelCalculationDlg::kScaleTop)));
        user::ChooseItem(GetDlgItem(dialog, TarvikChannelCalculationDlg::kParameter),
                         static_cast<int>(kEndDiastolicVolume) - 1);
        Pump();
        SetFocus(GetDlgItem(dialog, TarvikChannelCalculationDlg::kDecimals));
        SendMessageW(GetDlgItem(dialog, TarvikChannelCalculationDlg::kDecimals), EM_SETSEL, 0, -1);
        user::TypeText(u"9");
        Pump();
        EXPECT_EQ(Text(dialog, TarvikChannelCalculationDlg::kDecimals), u"6") << "at most 6 decimals";
        SetDlgItemTextW(dialog, TarvikChannelCalculationDlg::kScaleTop, u"5");
        SetDlgItemTextW(dialog, TarvikChannelCalculationDlg::kScaleBottom, u"x");
        SendMessageW(GetDlgItem(dialog, TarvikChannelCalculationDlg::kAutoScale), BM_CLICK, 0, 0);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, TarvikChannelCalculationDlg::kScaleTop)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, TarvikChannelCalculationDlg::kTopUnit)));
        SendMessageW(GetDlgItem(dialog, TarvikChannelCalculationDlg::kAutoScale), BM_CLICK, 0, 0);
        SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    ASSERT_TRUE(settings);
    const auto& chosen = dynamic_cast<const Settings&>(*settings.Get());
    EXPECT_EQ(chosen.parameter, kEndDiastolicVolume);
    EXPECT_EQ(chosen.decimals, 6.0f);
    EXPECT_FALSE(chosen.enabled);
    EXPECT_FLOAT_EQ(chosen.top, 5e-6f) << "5 uL in litres";
    EXPECT_EQ(chosen.bottom, 0.0f) << "text that is not a number reads as 0";
    EXPECT_EQ(chosen.unit.Text(), L"\u00B5L");
    EXPECT_EQ(start->parameter, 40u) << "the settings given are not changed";

    const auto cancelled = Edit(1, start.Get(), [](HWND) { user::PressKey(VK_ESCAPE); });
    EXPECT_FALSE(cancelled);
}

} // namespace
