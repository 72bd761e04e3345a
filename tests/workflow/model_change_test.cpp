// The step models' change protocol: snapshots, commits and their notifications, rollback, copies,
// and the models' lifecycle with the document and the subject service.

#include <gtest/gtest.h>

#include "core/NumericHelpers.h"
#include "tests/workflow/WorkflowFixture.h"
#include "workflow/ModelBaseNoTpl.h"

namespace {

using namespace Tarvik;
using TarvikTest::Recorder;
using TarvikTest::WorkflowTest;
using Strings = std::vector<std::string>;

class ModelChange : public WorkflowTest {
protected:
    ModelChange() {
        pressure = Model<kPressureModel>();
        recorder.Observe(pressure);
        document->log = &recorder.log;
    }

    // Completes the set-up step (kind, two different channels), so that calibrations can apply.
    void CompleteSetup() {
        const ModelPtr setup = Model<kSetupModel>();
        SetModelParam<0>(setup, 1);
        SetModelParam<1>(setup, 0u);
        SetModelParam<2>(setup, 1u);
        setup->CommitChange();
        recorder.log.clear();
    }

    // Commits all four pressure points, then forgets what was sent.
    void CommitPoints() {
        SetModelParam<3>(pressure, 1.0);
        SetModelParam<4>(pressure, 0.0);
        SetModelParam<5>(pressure, 2.0);
        SetModelParam<6>(pressure, 50.0);
        pressure->CommitChange();
        recorder.log.clear();
    }

    ModelBaseNoTpl& Base() { return dynamic_cast<ModelBaseNoTpl&>(*pressure); }

    void TearDown() override {
        pressure.reset();
        WorkflowTest::TearDown();
    }

    ModelPtr pressure;
    Recorder recorder;
};

TEST_F(ModelChange, ACommitSendsExactlyTheChangedIdsThenWhetherTheStepApplies) {
    ASSERT_TRUE(SetModelParam<3>(pressure, 1.0));
    ASSERT_TRUE(SetModelParam<5>(pressure, 2.0));
    EXPECT_TRUE(pressure->CommitChange());
    // Ids 4 and 6 hold the empty value in the model and its snapshot: a NaN never equals itself.
    EXPECT_EQ(recorder.log, (Strings{"settings", "34 3,4,5,6", "37"})) << "the set-up step is not complete";
    EXPECT_FALSE(Base().HasOpenChange());

    CompleteSetup();
    SetModelParam<4>(pressure, 0.0);
    SetModelParam<6>(pressure, 100.0);
    SetModelParam<7>(pressure, true);
    EXPECT_TRUE(pressure->CommitChange());
    EXPECT_EQ(recorder.log, (Strings{"settings", "34 4,6,7", "36"}));

    recorder.log.clear();
    SetModelParam<5>(pressure, 2.0 + 1e-14); // ApproxEqual to what it holds: no change opens
    EXPECT_FALSE(Base().HasOpenChange());
    SetModelParam<5>(pressure, 3.0);
    EXPECT_TRUE(pressure->CommitChange());
    EXPECT_EQ(recorder.log, (Strings{"settings", "34 5", "36"}));
}

TEST_F(ModelChange, AValueSetAndSetBackSendsNothing) {
    CommitPoints();
    SetModelParam<3>(pressure, 7.0);
    SetModelParam<7>(pressure, true);
    SetModelParam<3>(pressure, 1.0);
    SetModelParam<7>(pressure, false);
    EXPECT_FALSE(pressure->CommitChange());
    EXPECT_TRUE(recorder.log.empty());
    EXPECT_FALSE(Base().HasOpenChange());
    EXPECT_EQ(document->settingsUpdates, 1);
}

TEST_F(ModelChange, ACommitRefusedByValidationSendsOnlyTheMessageAndKeepsTheChangeOpen) {
    SetModelParam<3>(pressure, 1.0);
    SetModelParam<5>(pressure, 2.0);
    pressure->CommitChange();
    recorder.log.clear();

    SetModelParam<5>(pressure, 1.0);
    EXPECT_FALSE(pressure->CommitChange());
    EXPECT_EQ(recorder.log,
              (Strings{"35 Invalid Calibration Value | The base pressure values cannot be equal."}));
    EXPECT_TRUE(Base().HasOpenChange());
    SetModelParam<3>(pressure, 9.0);
    EXPECT_EQ(GetModelParam<5>(pressure), 1.0);

    recorder.log.clear();
    pressure->RollbackChange();
    EXPECT_EQ(GetModelParam<3>(pressure), 1.0);
    EXPECT_EQ(GetModelParam<5>(pressure), 2.0);
    EXPECT_FALSE(Base().HasOpenChange());
    // The copy back reports what it restored (and the empty points, which never equal themselves).
    EXPECT_EQ(recorder.log, (Strings{"34 3,4,5,6"}));
}

TEST_F(ModelChange, ASuspendedCommitSendsNothingAndDropsTheChange) {
    pressure->SetSuspended(true);
    SetModelParam<7>(pressure, true);
    EXPECT_FALSE(pressure->CommitChange());
    EXPECT_FALSE(Base().HasOpenChange());
    pressure->RollbackChange();
    EXPECT_TRUE(GetModelParam<7>(pressure)) << "nothing to roll back to";
    EXPECT_TRUE(recorder.log.empty());
    EXPECT_EQ(document->settingsUpdates, 0);
}

TEST_F(ModelChange, ANestedCommitLeavesTheNotifyingFlagToTheOuterOne) {
    CommitPoints();

    bool innerCommitted = false, notifyingAfterInner = false;
    recorder.onNotify = [&](DWORD id, ULONG_PTR) {
        if (id != ModelParamsChangedMsgId() || innerCommitted)
            return;
        EXPECT_TRUE(pressure->IsNotifying());
        SetModelParam<6>(pressure, 100.0);
        innerCommitted = pressure->CommitChange();
        notifyingAfterInner = pressure->IsNotifying();
    };
    SetModelParam<4>(pressure, 10.0);
    EXPECT_TRUE(pressure->CommitChange());
    EXPECT_TRUE(innerCommitted);
    EXPECT_TRUE(notifyingAfterInner) << "the outer commit is still notifying";
    EXPECT_FALSE(pressure->IsNotifying());
    EXPECT_EQ(recorder.log, (Strings{"settings", "34 4", "settings", "34 6", "37", "37"}));
}

TEST_F(ModelChange, CopiesTakeTheWholeStateOfAModelOfTheSameIdOnly) {
    const ModelPtr other = MakeModelSharedPtr(CreateRegisteredObject(kPressureModel, document.get()));
    SetModelParam<3>(*other, 4.0);
    SetModelParam<7>(*other, true);
    EXPECT_FALSE(pressure->CopyStateFrom(Model<kConductanceModel>().get()));
    EXPECT_FALSE(pressure->CopyStateFrom(nullptr));
    EXPECT_TRUE(recorder.log.empty());

    ASSERT_TRUE(pressure->CopyStateFrom(other.get()));
    EXPECT_EQ(GetModelParam<3>(pressure), 4.0);
    EXPECT_TRUE(GetModelParam<7>(pressure));
    EXPECT_TRUE(IsNaN(GetModelParam<4>(pressure)));
    EXPECT_EQ(recorder.log, (Strings{"34 3,4,5,6,7"}));

    SetModelParam<4>(*other, 1.0);
    SetModelParam<5>(*other, 2.0);
    SetModelParam<6>(*other, 3.0);
    pressure->CopyStateFrom(other.get());
    recorder.log.clear();
    EXPECT_TRUE(pressure->CopyStateFrom(other.get()));
    EXPECT_EQ(recorder.log, (Strings{"34 "})) << "an equal copy still reports, with no ids";

    EXPECT_EQ(ModelBaseNoTpl::DiffModelParams(*pressure, *Model<kConductanceModel>()), ModelParamSet::All());
    EXPECT_EQ(ModelParamSet::All().Word(0), 0xFFFFFFFFu);
    EXPECT_EQ(ModelParamSet::All().Word(1), 0x3FFFFFFFu);
}

TEST_F(ModelChange, AModelHearsTheModelsItObservesExceptWhileSettingsLoad) {
    CompleteSetup();
    SetModelParam<3>(pressure, 1.0);
    SetModelParam<4>(pressure, 0.0);
    SetModelParam<5>(pressure, 2.0);
    SetModelParam<6>(pressure, 100.0);
    SetModelParam<7>(pressure, true);
    pressure->CommitChange();
    const ModelPtr setup = Model<kSetupModel>();

    document->loading = true;
    SetModelParam<1>(setup, 2u);
    setup->CommitChange();
    EXPECT_TRUE(GetModelParam<7>(pressure)) << "ignored during a settings load";

    document->loading = false;
    SetModelParam<1>(setup, 3u);
    setup->CommitChange();
    EXPECT_FALSE(GetModelParam<7>(pressure)) << "a new pressure channel switches the calibration off";
}

TEST_F(ModelChange, ADocumentKeepsOneModelPerIdAndFindsOnlyTheSetUpModel) {
    EXPECT_EQ(document->models.Count(), 2u) << "set-up, and pressure asked for by the fixture";
    const ModelPtr sampling = Model<kSamplingModel>();
    EXPECT_EQ(Model<kSamplingModel>(), sampling);
    EXPECT_EQ(sampling->GetModelId(), kSamplingModel);
    EXPECT_EQ(document->models.Count(), 5u) << "sampling observes conductance and volume, made with it";
    EXPECT_EQ(document->FindModel(), Model<kSetupModel>());
    EXPECT_FALSE(document->GetModel(13));
    EXPECT_FALSE(document->GetModel(0));
    EXPECT_EQ(CreateRegisteredObject(13, document.get()), nullptr);
    int classes = 0;
    for (const ModelClassObj* object = ModelClassObjects(); object != nullptr; object = object->next)
        ++classes;
    EXPECT_EQ(classes, 12);
}

TEST_F(ModelChange, AModelAnswersAsSubjectAndObserverAndLeavesTheServiceObserverFirst) {
    Tarvik::Model* raw = pressure.get();
    void* subject = nullptr;
    void* observer = nullptr;
    ASSERT_EQ(raw->QueryInterface(IID_IUnknown, &subject), S_OK);
    EXPECT_EQ(subject, static_cast<ISubject*>(raw));
    raw->Release();
    ASSERT_EQ(raw->QueryInterface(IID_IObserver, &observer), S_OK);
    raw->Release();
    void* other = nullptr;
    EXPECT_EQ(raw->QueryInterface(IID_IUnitName, &other), E_NOINTERFACE);

    const std::size_t before = Zar().Subjects().Departures().size();
    document->models.Clear();
    pressure.reset();
    const auto& departures = Zar().Subjects().Departures();
    auto at = [&](const void* p) { return std::find(departures.begin() + before, departures.end(), p); };
    ASSERT_NE(at(observer), departures.end());
    ASSERT_NE(at(subject), departures.end());
    EXPECT_LT(at(observer), at(subject)) << "dropped as observer before it is forgotten as subject";
}

} // namespace
