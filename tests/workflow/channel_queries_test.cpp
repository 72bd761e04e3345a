// What the step dialogs and calibration views ask of the document's channels:
// titles, the role channels' units, selections in one record, the two
// questions before a volume calibration, and the fixed choice labels.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/engine/ChannelObject.h"
#include "host/engine/DocumentData.h"
#include "platform/user/Desktop.h"
#include "platform/user/user.h"
#include "tests/workflow/WorkflowFixture.h"
#include "workflow/ChannelQueries.h"
#include "workflow/StepLabels.h"
#include "workflow/WorkflowSetup.h"

namespace {

using namespace Tarvik;
using TarvikTest::WorkflowTest;
using Vantrel::ChannelInfo;
using Vantrel::DocumentData;
using Vantrel::Record;
using Vantrel::Recording;

// Pressure (mmHg), Conductance (mS) and Volume (uL) over four records; the set-up model takes
// channel 0 for pressure and channel 2 for volume.
class ChannelQueries : public WorkflowTest {
protected:
    ChannelQueries() {
        user::Desktop::Reset();
        for (int r = 0; r < 4; ++r)
            recording.addRecord(Record(0.001, {{1, 2}, {1, 2}, {1, 2}}));
        document->data = data.Get();
        document->channelCount = 3;
        const ModelPtr setup = Model<kSetupModel>();
        SetModelParam<1>(setup, 0u);
        SetModelParam<2>(setup, 2u);
        setup->CommitChange();
    }
    void AnalyseFrom(std::uint32_t record) {
        const ModelPtr setup = Model<kSetupModel>();
        SetModelParam<59>(setup, WordPair{0, record});
        setup->CommitChange();
    }
    user::ScriptedMessageBoxes& Boxes() { return user::Desktop::Current().MessageBoxes(); }

    Recording recording{
        std::vector<ChannelInfo>{{"Pressure", "mmHg"}, {"Conductance", "mS"}, {"Volume", "uL"}}};
    ComPtr<DocumentData> data = ComPtr<DocumentData>::Adopt(new DocumentData(recording));
};

TEST_F(ChannelQueries, TitlesComeInChannelOrderAndNoneWithoutHostData) {
    std::vector<std::u16string> titles{u"stale"};
    GetChannelTitles(*document, titles);
    EXPECT_EQ(titles, (std::vector<std::u16string>{u"Pressure", u"Conductance", u"Volume"}));
    document->data = nullptr;
    GetChannelTitles(*document, titles);
    EXPECT_TRUE(titles.empty());
}

TEST_F(ChannelQueries, TheRoleChannelsUnitsAreReadWhereTheAnalysisStarts) {
    EXPECT_EQ(GetPressureChannelUnit(*document), Ovo::Unit(L"mmHg"));
    EXPECT_EQ(GetVolumeChannelUnit(*document), Ovo::Unit(L"L", Ovo::Unit::kMicro));
    EXPECT_EQ(GetChannelUnit(*document, 1), Ovo::Unit(L"S", L'm'));
    data->channelObject(2)->setRecordUnit(1, "mL");
    data->channelObject(2)->setRecordUnit(3, "");
    AnalyseFrom(1);
    EXPECT_EQ(GetVolumeChannelUnit(*document), Ovo::Unit(L"L", L'm'));
    AnalyseFrom(3);
    EXPECT_EQ(GetVolumeChannelUnit(*document), Ovo::Unit()) << "no unit in that record";
    EXPECT_EQ(GetChannelUnit(*document, 7), Ovo::Unit()) << "no such channel";
    const ModelPtr setup = Model<kSetupModel>();
    SetModelParam<1>(setup, WorkflowSetup::kNoChannel);
    setup->CommitChange();
    EXPECT_EQ(GetPressureChannelUnit(*document), Ovo::Unit()) << "no pressure channel chosen";
}

TEST_F(ChannelQueries, ASelectionCountsWhenItStartsAndEndsInOneRecord) {
    EXPECT_FALSE(SelectionIsWithinOneRecord(*document, 0)) << "nothing selected";
    data->setSelection(0, {2, 100}, {3, 5});
    EXPECT_FALSE(SelectionIsWithinOneRecord(*document, 0));
    data->setSelection(0, {1, 0}, {1, 1});
    EXPECT_TRUE(SelectionIsWithinOneRecord(*document, 0));
    EXPECT_FALSE(SelectionIsWithinOneRecord(*document, 1)) << "the selection is channel 0's";
    EXPECT_FALSE(SelectionIsWithinOneRecord(*document, 9));
}

// A host that says a channel is selected but then gives no ends.
class NoEnds : public Vantrel::ComObject<IDocumentData, IDocumentChannels> {
public:
    HRESULT GetRecordCount(LONG*) override { return E_NOTIMPL; }
    HRESULT GetRecordEndTick(LONG, LONG*) override { return E_NOTIMPL; }
    HRESULT GetChannelCount(LONG, DWORD, LONG*) override { return E_NOTIMPL; }
    HRESULT GetChannelEvents(LONG, LONG, LONG, IEnumEventEx**) override { return E_NOTIMPL; }
    HRESULT GetChannelSamples(LONG, DWORD, LONG, LONG, ISampleChannel**) override { return E_NOTIMPL; }
    HRESULT GetChannelUnit(LONG, LONG, DWORD, IUnknown**) override { return E_NOTIMPL; }
    HRESULT GetChannelCount(LONG*) override { return E_NOTIMPL; }
    HRESULT GetChannelTitle(LONG, IAutoOvoString**) override { return E_NOTIMPL; }
    HRESULT HasSelection(LONG, SHORT* selected) override {
        *selected = -1;
        return S_OK;
    }
    HRESULT GetSelection(LONG, LONG*, LONG*, LONG*, LONG*) override { return E_FAIL; }

private:
    void* find(REFIID iid) override {
        if (iid == IID_IDocumentData)
            return static_cast<IDocumentData*>(this);
        return iid == IID_IDocumentChannels ? static_cast<IDocumentChannels*>(this) : nullptr;
    }
};

TEST_F(ChannelQueries, ASelectionWhoseEndsTheHostCannotGiveIsNotInOneRecord) {
    auto host = ComPtr<NoEnds>::Adopt(new NoEnds);
    document->data = host.Get();
    EXPECT_FALSE(SelectionIsWithinOneRecord(*document, 0));
}

TEST_F(ChannelQueries, InconsistentBlockUnitsAskAndNoStopsTheCalibration) {
    EXPECT_FALSE(ConfirmUnifyChannelUnits(*document)) << "one unit object in every record";
    EXPECT_TRUE(Boxes().Shown().empty());
    data->channelObject(2)->setRecordUnit(0, "");
    data->channelObject(2)->setRecordUnit(2, "");
    EXPECT_FALSE(ConfirmUnifyChannelUnits(*document)) << "records without a unit do not count";
    data->channelObject(2)->setRecordUnit(3, "uL"); // the same text, but another object
    Boxes().Answer(IDNO);
    EXPECT_TRUE(ConfirmUnifyChannelUnits(*document));
    ASSERT_EQ(Boxes().Shown().size(), 1u);
    const user::MessageBoxShown& box = Boxes().Shown()[0];
    EXPECT_EQ(box.style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(box.caption, u"Tarvik");
    EXPECT_EQ(box.owner, nullptr) << "no main window and no window of the process";
    EXPECT_EQ(box.text,
              u"The blocks in this channel have inconsistent units. In order to calibrate channel 3, "
              u"Tarvik will select a suitable unit for the whole channel and adjust its unit "
              u"conversion. Any existing unit conversion settings on this channel will be "
              u"overwritten and lost.\\n\\nDo you wish to continue with the calibration?");
    Boxes().Answer(IDYES);
    EXPECT_FALSE(ConfirmUnifyChannelUnits(*document));
    EXPECT_EQ(Boxes().Shown().size(), 2u);
}

TEST_F(ChannelQueries, ACalculationThatMovesOrChangesTheVolumeChannelsDataStopsTheCalibration) {
    struct Case {
        const char* what;
        LONG source;
        bool keepsUnit;
        bool stops;
    };
    const Case cases[] = {{"on its own data, keeping the unit", 2, true, false},
                          {"on its own data, another unit", 2, false, true},
                          {"on another channel", 0, true, true}};
    EXPECT_FALSE(CheckVolumeCalibrationCompatible(*document)) << "no calculation";
    for (const Case& c : cases) {
        data->channelObject(2)->setCalculation(c.source, c.keepsUnit);
        Boxes().Answer(IDOK);
        const std::size_t shown = Boxes().Shown().size();
        EXPECT_EQ(CheckVolumeCalibrationCompatible(*document), c.stops) << c.what;
        EXPECT_EQ(Boxes().Shown().size(), shown + (c.stops ? 1 : 0)) << c.what;
    }
    const user::MessageBoxShown& box = Boxes().Shown().back();
    EXPECT_EQ(box.style, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_EQ(box.caption, u"Tarvik");
    EXPECT_EQ(box.text.substr(0, 49), u"The channel calculation on channel 3 is not compa");
}

TEST_F(ChannelQueries, TheChoiceLabelsComeInTheirValuesOrder) {
    std::vector<std::u16string> labels{u"stale"};
    GetAnalysisTypeLabels(labels);
    EXPECT_EQ(labels, (std::vector<std::u16string>{u"Baseline", u"Occlusion"}));
    EXPECT_EQ(GetAlphaSourceLabels(), (std::vector<std::u16string>{u"Stroke Volume", u"Cardiac Output"}));
}

} // namespace
