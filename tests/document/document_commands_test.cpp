// The module's menu as the host's command service records it, the states of
// its items per workflow step, the enablers, the commands that open and place
// views, and the host's notices about the recording.

#include <algorithm>
#include <cmath>

#include "host/framework/Text.h"
#include "platform/user/Desktop.h"
#include "platform/user/user.h"
#include "tests/document/CommandFixture.h"
#include "workflow/ModelParamAccess.h"
#include "workflow/VolumeCalibrator.h"

namespace {

using namespace Tarvik;

using DocumentCommands = TarvikTest::CommandFixture;

struct MenuRow {
    int slot;
    const char16_t* path;
    WORD command;
    const char16_t* text;
    const char16_t* key;
    WORD image;
    WORD flags;
};

// clang-format off
const MenuRow kMenu[] = {
    {7, u"Tarvik", 0, u"", u"Tarvik", 0, 0},
    {8, u"Tarvik^EXTENSION|", 0, u"Tarvik", u"", 0, 0},
    {8, u"Tarvik|Workflow", 31, u"&Workflow", u"", 0, 2},
    {8, u"Tarvik|-", 0, u"", u"", 0, 0},
    {8, u"Tarvik|Settings...", 13, u"&Settings...", u"Tarvik", 114, 10},
    {8, u"Tarvik|-", 0, u"", u"", 0, 0},
    {8, u"Tarvik^EXTENSION|TarvikA^VIEWS", 15, u"&Loop View", u"Tarvik", 117, 10},
    {8, u"Tarvik^EXTENSION|TarvikPlots^VIEWS", 22, u"&Plots", u"Tarvik", 120, 0x208},
    {8, u"Tarvik^EXTENSION|TarvikH^VIEWS", 14, u"&Hemodynamics Table", u"Tarvik", 115, 10},
    {8, u"Tarvik|-", 0, u"", u"", 0, 0},
    {8, u"Tarvik^EXTENSION|TarvikSaline^CALIBRATIONS", 27, u"Saline &Calibration", u"Tarvik", 116, 2},
    {8, u"Tarvik^EXTENSION|TavrikCuvette^CALIBRATIONS", 28, u"C&uvette Calibration", u"Tarvik", 116, 2},
    {8, u"Tarvik|-", 0, u"", u"", 0, 0},
    {8, u"Tarvik^EXTENSION|TarvikPRSW^PLOTS", 23, u"&PRSW Plot", u"Tarvik", 116, 2},
    {8, u"Tarvik^EXTENSION|TarvikdPdT^PLOTS", 24, u"&dP/dt Max vs EDV Plot", u"Tarvik", 116, 2},
    {8, u"Tarvik^EXTENSION|TarvikPvaEdv^PLOTS", 25, u"P&VA vs EDV Plot", u"Tarvik", 116, 2},
    {8, u"Tarvik^EXTENSION|TarvikPvaEsp^PLOTS", 26, u"PVA vs &ESP Plot", u"Tarvik", 116, 2},
    {8, u"Tarvik|-", 0, u"", u"", 0, 0},
    {8, u"Tarvik|Show Loop Markers^ONLINE", 17, u"Show Cycle &Markers", u"", 0, 2},
    {8, u"Tarvik|Online Mode^ONLINE", 19, u"Analyze wh&ile sampling", u"", 0, 2},
    {8, u"Tarvik|-", 0, u"", u"", 0, 0},
    {8, u"Tarvik|Reselect^ANALYZE", 18, u"&Reselect Analyzed Data", u"", 0, 2},
    {8, u"Tarvik|Clear Analysis^ANALYZE", 20, u"Clear A&nalysis", u"", 0, 2},
    {8, u"Tarvik|Analyze^ANALYZE", 21, u"&Analyze", u"Tarvik", 112, 10},
    {8, u"Tarvik|-", 0, u"", u"", 0, 0},
    {8, u"Tarvik|Workflow Mode...", 32, u"W&orkflow mode...", u"", 0, 2},
};
// clang-format on

TEST_F(DocumentCommands, TheMenuIsTheTwentySixEntriesInTheirOrder) {
    OpenWithSetUp();
    const std::vector<Vantrel::MenuItem>& items = Zar().CommandUI().Items();
    ASSERT_EQ(items.size(), std::size(kMenu));
    for (std::size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const MenuRow& row = kMenu[i];
        EXPECT_EQ(items[i].slot, row.slot);
        EXPECT_EQ(items[i].kind, row.slot == 7 ? 56u : 2u);
        EXPECT_EQ(items[i].path, row.path);
        EXPECT_EQ(items[i].commandId, row.command != 0 ? Id(row.command) : 0u);
        EXPECT_EQ(items[i].text, row.text);
        EXPECT_EQ(items[i].key, row.key);
        EXPECT_EQ(items[i].imageId, row.image);
        EXPECT_EQ(items[i].flags, row.flags);
    }
    EXPECT_EQ(items[4].description, u"Open the settings dialog");
    EXPECT_EQ(items[23].description, u"Perform PV analysis");
}

// Bit 8 for the table, Analyze and the view group, bit 2 for the plots and calibration views: set when the
// step offers the command, cleared when it does not.
TEST_F(DocumentCommands, ItemStatesFollowTheWorkflowStep) {
    TarvikDocument& document = OpenWithSetUp();
    struct Step {
        std::int32_t step; // 0: workflow off
        std::vector<WORD> offered;
    };
    const Step steps[] = {
        {0, {14, 21, 22, 23, 24, 25, 26, 27, 28}},
        {7, {14, 21, 22, 23, 24, 25, 26}}, // analyse
        {6, {21, 22, 27}},                 // saline calibration
        {5, {22, 28}},                     // cuvette calibration
        {1, {}},                           // set-up
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.step);
        const int notices = Zar().CommandUI().StateChangeNotices();
        if (s.step == 0) {
            SetModelParam<34>(document.FindModel(), false); // refreshes the states
            document.FindModel()->CommitChange();
        } else {
            EnterStep(document, s.step);
        }
        EXPECT_GT(Zar().CommandUI().StateChangeNotices(), notices);
        for (WORD n : {14, 21, 22, 23, 24, 25, 26, 27, 28}) {
            const WORD bit = n <= 22 ? 8 : 2;
            const bool offered = std::find(s.offered.begin(), s.offered.end(), n) != s.offered.end();
            EXPECT_EQ(Item(n)->stateBits, offered ? bit : 0) << n;
        }
    }
}

TEST_F(DocumentCommands, EnablersFollowTheHostTheWorkflowAndTheSetUp) {
    TarvikDocument& document = OpenWithSetUp();
    const ModelPtr setup = document.FindModel();
    EXPECT_TRUE(*Update(13).enabled);
    recordingDocument->setSettingsLocked(true);
    EXPECT_FALSE(*Update(13).enabled);
    EXPECT_TRUE(*Update(22).enabled);
    const bool workflow = GetModelParam<34>(setup);
    EXPECT_EQ(*Update(31).enabled, workflow);
    SetModelParam<34>(setup, !workflow);
    setup->CommitChange();
    EXPECT_EQ(*Update(31).enabled, !workflow);
    EXPECT_EQ(*Update(19).checked, GetModelParam<35>(setup));
    const bool markers = GetModelParam<36>(setup);
    EXPECT_EQ(*Update(17).checked, markers);
    EXPECT_EQ(Zar().CommandUI().Execute(Id(17)), S_OK); // sends ToggleTarvikEventMarkers
    EXPECT_EQ(GetModelParam<36>(setup), !markers);
    EXPECT_EQ(*Update(17).checked, !markers);
    recordingDocument->setBusy(true);
    for (WORD n : {17, 19, 32})
        EXPECT_FALSE(*Update(n).enabled) << n;
    EXPECT_EQ(Zar().CommandUI().Execute(Id(17)), S_OK);
    EXPECT_EQ(GetModelParam<36>(setup), !markers) << "nothing changes while the host is busy";
    recordingDocument->setBusy(false);
    EXPECT_EQ(Zar().CommandUI().Execute(Id(17)), S_OK);
    EXPECT_EQ(GetModelParam<36>(setup), markers) << "toggled twice";
}

TEST_F(DocumentCommands, ViewCommandsOpenTheirKindsAndTheSalineViewFloatsCentred) {
    OpenWithSetUp();
    const HWND window = CreateWindowExW(0, u"Static", u"data", WS_POPUP | WS_VISIBLE, 0, 0, 1000, 700,
                                        nullptr, nullptr, nullptr, nullptr);
    recordingDocument->setDataWindow(window);
    const std::pair<WORD, WORD> commands[] = {{14, 2}, {15, 4},  {23, 5}, {24, 7},
                                              {25, 9}, {26, 10}, {28, 11}};
    for (const auto& [command, kind] : commands) {
        EXPECT_EQ(Zar().CommandUI().Execute(Id(command)), S_OK);
        ASSERT_NE(View(kind), nullptr) << command;
        EXPECT_EQ(View(kind)->opens, 1) << command;
        EXPECT_FALSE(View(kind)->placed) << command;
    }
    EXPECT_EQ(Zar().CommandUI().Execute(Id(27)), S_OK);
    ASSERT_NE(View(8), nullptr);
    EXPECT_TRUE(View(8)->placed);
    EXPECT_EQ(View(8)->rect.left, 275);
    EXPECT_EQ(View(8)->rect.top, 125);
    EXPECT_EQ(View(8)->rect.right, 725);
    EXPECT_EQ(View(8)->rect.bottom, 575);
    const Vantrel::HostMessageRecord& placement =
        recordingDocument->hostMessages().at(recordingDocument->hostMessages().size() - 2);
    EXPECT_EQ(placement.id, kPlaceViewMessage);
    EXPECT_EQ(placement.flags, 0x814u);
    EXPECT_EQ(placement.targetId, 0x100029u);
    const std::size_t sent = recordingDocument->hostMessages().size();
    EXPECT_EQ(Zar().CommandUI().Execute(Id(27)), S_OK);
    EXPECT_EQ(recordingDocument->hostMessages().size(), sent + 1) << "an open view is only brought forward";
    EXPECT_EQ(View(8)->opens, 2);
    DestroyWindow(window);
}

TEST_F(DocumentCommands, ThePlotsPopupOffersFourPlotsAndOpensTheOneChosen) {
    OpenWithSetUp();
    user::ScriptedMenus& menus = user::Desktop::Current().Menus();
    menus.Answer(Id(25));
    EXPECT_EQ(Zar().CommandUI().ShowPopup(Id(22), nullptr), Id(25));
    ASSERT_EQ(menus.Shown().size(), 1u);
    const auto& items = menus.Shown().back().items;
    ASSERT_EQ(items.size(), 4u);
    for (std::size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i].id, Id(static_cast<WORD>(23 + i))) << i;
    ASSERT_NE(View(9), nullptr);
    EXPECT_EQ(View(9)->opens, 1);
    EXPECT_EQ(View(5), nullptr);
    menus.Answer(0);
    EXPECT_EQ(Zar().CommandUI().ShowPopup(Id(22), nullptr), 0u) << "dismissed";
    EXPECT_EQ(View(9)->opens, 1);
}

// Saline and cuvette calibrations rest on the volume channel's unit: a new unit switches them off with the
// conductance, volume and alpha calibrations, tells the views and analyses again.
TEST_F(DocumentCommands, ANewVolumeUnitSwitchesOffTheCalibrationsBuiltOnTheOldOne) {
    TarvikDocument& document = OpenWithSetUp();
    ASSERT_TRUE(recordingDocument->sendMessage(Id(257)));
    const ModelPtr volume = document.GetModel(kVolumeModel);
    SetModelParam<50>(volume, 0.0);
    SetModelParam<51>(volume, 10.0);
    SetModelParam<52>(volume, 0.0);
    SetModelParam<53>(volume, 20.0);
    SetModelParam<54>(volume, true);
    volume->CommitChange();
    const ModelPtr saline = document.GetModel(kSalineModel);
    SetModelParam<18>(saline, 1e-6);
    SetModelParam<19>(saline, true);
    saline->CommitChange();
    ASSERT_TRUE(document.GetVolumeCalibrator().IsApplied());
    const std::size_t notices = recordingDocument->notices().size();
    const LONG channel = static_cast<LONG>(document.GetVolumeChannel());
    recordingDocument->changeChannelUnit(channel);
    EXPECT_FALSE(GetModelParam<17>(document.GetModel(kCuvetteModel)));
    EXPECT_FALSE(GetModelParam<19>(saline));
    EXPECT_FALSE(GetModelParam<12>(document.GetModel(kConductanceModel)));
    EXPECT_FALSE(GetModelParam<54>(volume));
    EXPECT_FALSE(GetModelParam<43>(document.GetModel(kAlphaModel)));
    const auto& sent = recordingDocument->notices();
    const auto unitNotice = std::find_if(sent.begin() + static_cast<std::ptrdiff_t>(notices), sent.end(),
                                         [](const Vantrel::DocumentNotice& n) { return n.payload == 0x100; });
    ASSERT_NE(unitNotice, sent.end());
    EXPECT_EQ(unitNotice->id, Id(33));
    EXPECT_TRUE(std::any_of(unitNotice + 1, sent.end(), [](const Vantrel::DocumentNotice& n) {
        return n.id == Id(33) && (n.payload & kAnalysisUpdated) != 0;
    })) << "then the analysis is updated";

    const std::size_t after = recordingDocument->notices().size();
    recordingDocument->notifyUnitsChanged(5);
    EXPECT_EQ(recordingDocument->notices().size(), after) << "another channel changes nothing";
}

TEST_F(DocumentCommands, TheEcgSourceGoneWarnsAtTheNextUpdateAndUnrelatedChannelsChangeNothing) {
    TarvikDocument& document = OpenWithSetUp();
    ASSERT_EQ(recordingDocument->data().defineChannel(u"ecgwaves", u"ECG R waves", u"CMPeakDet(ch3, 0.5, 0)"),
              S_OK);
    const ModelPtr setup = document.FindModel();
    SetModelParam<28>(setup, 1);
    SetModelParam<29>(setup, StringPair{Ovo::String(u"ecgwaves"), Ovo::String()});
    setup->CommitChange();
    ASSERT_TRUE(recordingDocument->sendMessage(Id(257)));
    const VirtualChannelRef ecg = recordingDocument->data().channel(u"ecgwaves")->ref;

    const std::size_t notices = recordingDocument->notices().size();
    recordingDocument->notifyChannelsChanged(0x80000000,
                                             {VirtualChannelRef{40, 0}, VirtualChannelRef{41, 4}});
    EXPECT_EQ(recordingDocument->notices().size(), notices);

    user::Desktop::Current().MessageBoxes().Answer(IDOK);
    recordingDocument->notifyChannelsChanged(0x80000000, {VirtualChannelRef{40, 0}, ecg});
    ASSERT_EQ(user::Desktop::Current().MessageBoxes().Shown().size(), 1u);
    EXPECT_NE(user::Desktop::Current().MessageBoxes().Shown()[0].text.find(u"gone away"),
              std::u16string::npos);
    EXPECT_EQ(GetModelParam<28>(setup), 0) << "end-diastole comes from the pressure signal now";
    EXPECT_TRUE(GetModelParam<29>(setup).first.IsEmpty());
    recordingDocument->notifyChannelsChanged(0x80000000, {VirtualChannelRef{40, 0}});
    EXPECT_EQ(user::Desktop::Current().MessageBoxes().Shown().size(), 1u);
}

} // namespace
