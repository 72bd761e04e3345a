// The step models' validation and completion messages, in their order and with their texts, and the
// rules by which a change of one model switches others off.

#include <functional>

#include <gtest/gtest.h>

#include "core/NumericHelpers.h"
#include "tests/workflow/WorkflowFixture.h"
#include "workflow/ModelBaseNoTpl.h"

namespace {

using namespace Tarvik;
using TarvikTest::WorkflowTest;

// "none", "silent" (a message without texts), or "caption | text".
std::string Text(const StepMessage& message) {
    if (!message.HasMessage())
        return "none";
    if (message.Caption().IsEmpty() && message.Message().IsEmpty())
        return "silent";
    return message.Caption().ToUtf8() + " | " + message.Message().ToUtf8();
}

ModelBaseNoTpl& Base(const ModelPtr& model) {
    return dynamic_cast<ModelBaseNoTpl&>(*model);
}

struct MessageCase {
    const char* what;
    std::function<void(TarvikTest::TestModelDocument&)> set;
    std::int32_t model;
    std::string validate;
    std::string canApply;
};

class StepMessages : public WorkflowTest {
protected:
    // Each case on a new document: the change is made, then the model validated and asked whether it
    // can apply.
    void Check(const std::vector<MessageCase>& cases) {
        for (const MessageCase& c : cases) {
            document = std::make_unique<TarvikTest::TestModelDocument>();
            c.set(*document);
            ModelBaseNoTpl& model = Base(document->GetModel(c.model));
            EXPECT_EQ(Text(model.Validate()), c.validate) << c.what;
            EXPECT_EQ(Text(model.CheckCanApply()), c.canApply) << c.what;
        }
    }
};

// Sets parameter P of the document's model that owns it.
template <ModelParamId P> auto Set(ModelParamType<P> value) {
    return [value](TarvikTest::TestModelDocument& d) { SetModelParam<P>(d.GetModel(kParamModel<P>), value); };
}

template <class... Steps> auto All(Steps... steps) {
    return [=](TarvikTest::TestModelDocument& d) { (steps(d), ...); };
}

const auto CompleteSetup = All(Set<0>(1), Set<1>(0u), Set<2>(1u));
const auto Nothing = [](TarvikTest::TestModelDocument&) {};
const double kNotANumber = NotANumberValue();

TEST_F(StepMessages, SetUpStep) {
    Check({
        {"fresh", Nothing, 1, "none", "silent"},
        {"kind and two channels", CompleteSetup, 1, "none", "none"},
        {"one channel not chosen", All(Set<0>(1), Set<1>(0u)), 1, "none", "silent"},
        {"the same channel twice", All(CompleteSetup, Set<2>(0u), Set<30>(kNotANumber)), 1,
         "Invalid Channel Selection | The pressure and volume source channels are the same. You must select "
         "different source channels before continuing.",
         "Not A Number | The text entered is not a number."},
        {"a channel one past the last", All(CompleteSetup, Set<2>(4u)), 1, "silent", "none"},
        {"a channel the analysis computes",
         All(CompleteSetup, [](TarvikTest::TestModelDocument& d) { d.flagged = {1}; }), 1,
         "Tarvik | These settings will create a circular dependancy. Choose Pressure and Volume channels "
         "that "
         "don't depend on the PV analysis.",
         "none"},
        {"a peak height that is no number", All(CompleteSetup, Set<30>(kNotANumber)), 1,
         "Not A Number | The text entered is not a number.",
         "Not A Number | The text entered is not a number."},
        {"an empty peak height", All(CompleteSetup, Set<30>(EmptyValue())), 1, "none",
         "Not A Number | The text entered is not a number."},
        {"a second argument that is no number", All(CompleteSetup, Set<31>(kNotANumber)), 1,
         "Not A Number | The text entered is not a number.",
         "Not A Number | The text entered is not a number."},
        {"sampling not done", Nothing, 4, "none", "silent"},
        {"sampling done", Set<14>(true), 4, "none", "none"},
        {"the analyze step never completes", Set<20>(1), 7, "none", "silent"},
    });
}

TEST_F(StepMessages, TwoPointCalibrations) {
    const auto Pressure = All(Set<3>(1.0), Set<4>(0.0), Set<5>(2.0), Set<6>(100.0));
    Check({
        {"pressure in a new document", Nothing, 2, "none",
         "Can't Apply Calibration | Complete the setup step before applying pressure calibration."},
        {"pressure after set-up", CompleteSetup, 2, "none",
         "Can't Apply Calibration | Fill in all the pressure calibration boxes before applying."},
        {"pressure filled in", All(CompleteSetup, Pressure), 2, "none", "silent"},
        {"pressure applied", All(CompleteSetup, Pressure, Set<7>(true)), 2, "none", "none"},
        {"pressure with the workflow off", All(Set<34>(false), Pressure), 2, "none", "silent"},
        {"first base pressure", All(Pressure, Set<3>(kNotANumber)), 2,
         "Not A Number | The first base pressure value is not a number.",
         "Can't Apply Calibration | Complete the setup step before applying pressure calibration."},
        {"second base before first converted", All(Set<5>(kNotANumber), Set<4>(kNotANumber)), 2,
         "Not A Number | The second base pressure value is not a number.",
         "Can't Apply Calibration | Complete the setup step before applying pressure calibration."},
        {"first converted pressure", All(CompleteSetup, Set<4>(kNotANumber)), 2,
         "Not A Number | The first converted pressure value is not a number.",
         "Can't Apply Calibration | Fill in all the pressure calibration boxes before applying."},
        {"equal base pressures", All(CompleteSetup, Pressure, Set<5>(1.0 + 1e-14), Set<6>(0.0)), 2,
         "Invalid Calibration Value | The base pressure values cannot be equal.", "silent"},
        {"equal converted pressures", All(CompleteSetup, Pressure, Set<6>(0.0)), 2,
         "Invalid Calibration Value | The converted pressure values cannot be equal.", "silent"},
        {"second converted conductance", All(CompleteSetup, Set<11>(kNotANumber)), 3,
         "Not A Number | The second converted conductance value is not a number.",
         "Can't Apply Calibration | Fill in all the conductance calibration boxes before applying."},
        {"conductance in a new document", Nothing, 3, "none",
         "Can't Apply Calibration | Complete the setup step before applying conductance calibration."},
        {"equal base conductances", All(Set<8>(3.0), Set<10>(3.0)), 3,
         "Invalid Calibration Value | The base conductance values cannot be equal.",
         "Can't Apply Calibration | Complete the setup step before applying conductance calibration."},
        {"first base volume", Set<50>(kNotANumber), 11,
         "The text entered is not a number. | The first base volume value is not a number.",
         "Can't Apply Calibration | Complete the setup step before applying volume calibration."},
        {"volume keeps recorded, recorded, known, known", All(Set<50>(1.0), Set<51>(1.0)), 11,
         "Invalid Calibration Value | The base volume values cannot be equal.",
         "Can't Apply Calibration | Complete the setup step before applying volume calibration."},
        {"equal converted volumes",
         All(CompleteSetup, Set<50>(1.0), Set<51>(2.0), Set<52>(5.0), Set<53>(5.0)), 11,
         "Invalid Calibration Value | The converted volume values cannot be equal.", "silent"},
    });
}

TEST_F(StepMessages, CuvetteSalineAndAlpha) {
    const auto Conductance =
        All(CompleteSetup, Set<8>(1.0), Set<9>(0.002), Set<10>(2.0), Set<11>(0.004), Set<12>(true));
    const auto Cuvette = All(Set<15>(1500.0), Set<16>(12.5));
    Check({
        {"slope at the limit", All(Conductance, Set<15>(100000.0), Set<16>(-100000.0)), 5, "none", "silent"},
        {"slope beyond the limit", Set<15>(100000.5), 5,
         "Out of Range | The slope must be between -100000 and 100000.",
         "Can't Apply Calibration | Complete the conductance calibration step before applying cuvette "
         "calibration."},
        {"slope zero below 1e-32", All(Conductance, Set<15>(1e-40), Set<16>(EmptyValue())), 5,
         "Invalid Slope | The slope can not be zero.",
         "Can't Apply Calibration | Fill in all the cuvette calibration boxes before applying."},
        {"slope 1e-15 is not zero", All(Conductance, Set<15>(1e-15), Set<16>(0.0), Set<17>(true)), 5, "none",
         "none"},
        {"slope that is no number", Set<15>(kNotANumber), 5,
         "Not A Number | The slope entered is not a number.",
         "Can't Apply Calibration | Complete the conductance calibration step before applying cuvette "
         "calibration."},
        {"intercept that is no number", All(Set<15>(0.0), Set<16>(kNotANumber)), 5,
         "Not A Number | The intercept entered is not a number.",
         "Can't Apply Calibration | Complete the conductance calibration step before applying cuvette "
         "calibration."},
        {"intercept beyond the limit", All(Set<34>(false), Set<15>(1.0), Set<16>(-100001.0)), 5,
         "Out of Range | The intercept must be between -100000 and 100000.", "silent"},
        {"parallel conductance that is no number", Set<18>(kNotANumber), 6,
         "Not A Number | The parallel conductance value is not a number.",
         "Can't Apply Calibration | Enter a value for parallel conductance before applying."},
        {"saline before the cuvette step", All(CompleteSetup, Set<18>(0.00002)), 6, "none",
         "Can't Apply Calibration | Complete the cuvette calibration step before applying saline "
         "calibration."},
        {"saline after the cuvette step", All(Conductance, Cuvette, Set<17>(true)), 6, "none",
         "Can't Apply Calibration | Enter a value for parallel conductance before applying."},
        {"saline in the large-mammal workflow", Set<0>(2), 6, "none",
         "Can't Apply Calibration | Complete the volume calibration step before applying saline "
         "calibration."},
        {"saline with the workflow off", All(Set<34>(false), Set<18>(0.00002)), 6, "none", "silent"},
        {"saline applied", All(Set<34>(false), Set<18>(0.00002), Set<19>(true)), 6, "none", "none"},
        {"alpha below zero", Set<42>(-0.5), 10, "Out of Range | The alpha factor must be greater than 0",
         "silent"},
        {"alpha zero", Set<42>(0.0), 10, "Out of Range | Alpha can not be exactly 0.0", "silent"},
        {"alpha that is no number", Set<42>(kNotANumber), 10,
         "Not A Number | The alpha value is not a number.",
         "Can't Apply Calibration | Fill in all the alpha calibration boxes before applying."},
        {"empty alpha", Nothing, 10, "none",
         "Can't Apply Calibration | Fill in all the alpha calibration boxes before applying."},
        {"catheter cardiac output", All(Set<42>(1.2), Set<44>(1), Set<45>(kNotANumber), Set<47>(kNotANumber)),
         10, "Not A Number | The base cardiac output value is not a number.", "silent"},
        {"reference cardiac output", All(Set<42>(1.2), Set<44>(1), Set<46>(kNotANumber)), 10,
         "Not A Number | The scaled cardiac output value is not a number.", "silent"},
        {"catheter stroke volume", All(Set<42>(1.2), Set<45>(kNotANumber), Set<47>(kNotANumber)), 10,
         "Not A Number | The base stroke volume value is not a number.", "silent"},
        {"reference stroke volume", All(Set<42>(1.2), Set<48>(kNotANumber), Set<43>(true)), 10,
         "Not A Number | The scaled stroke volume value is not a number.", "none"},
    });
}

// A document whose every calibration is applied and whose sampling is done, before one change.
class SwitchOff : public WorkflowTest {
protected:
    static constexpr ModelParamId kFlags[] = {7, 12, 54, 17, 19, 43, 14};

    void ApplyEverything() {
        document = std::make_unique<TarvikTest::TestModelDocument>();
        document->loading = true; // models do not react while the flags are set
        All(CompleteSetup, Set<3>(1.0), Set<4>(0.0), Set<5>(2.0), Set<6>(100.0), Set<7>(true), Set<8>(1.0),
            Set<9>(0.002), Set<10>(2.0), Set<11>(0.004), Set<12>(true), Set<50>(1.0), Set<51>(2.0),
            Set<52>(0.5), Set<53>(1.0), Set<54>(true), Set<15>(1500.0), Set<16>(12.5), Set<17>(true),
            Set<18>(0.00002), Set<19>(true), Set<42>(1.5), Set<47>(30.0), Set<48>(20.0), Set<43>(true),
            Set<14>(true))(*document);
        for (std::int32_t id = kFirstModelId; id <= kLastModelId; ++id)
            document->GetModel(id)->CommitChange();
        document->loading = false;
    }

    // The apply flags (and sampling's done flag) that are now clear, as text: "7 14".
    std::string Cleared() {
        std::string text;
        const auto flag = [&](ModelParamId id, bool set) {
            if (!set)
                text += (text.empty() ? "" : " ") + std::to_string(id);
        };
        flag(7, GetModelParam<7>(Model<kPressureModel>()));
        flag(12, GetModelParam<12>(Model<kConductanceModel>()));
        flag(54, GetModelParam<54>(Model<kVolumeModel>()));
        flag(17, GetModelParam<17>(Model<kCuvetteModel>()));
        flag(19, GetModelParam<19>(Model<kSalineModel>()));
        flag(43, GetModelParam<43>(Model<kAlphaModel>()));
        flag(14, GetModelParam<14>(Model<kSamplingModel>()));
        return text;
    }
};

TEST_F(SwitchOff, AChangeSwitchesOffTheCalibrationsBuiltOnIt) {
    struct Case {
        const char* what;
        std::function<void(TarvikTest::TestModelDocument&)> change;
        std::int32_t model;
        std::string cleared;
    } cases[] = {
        {"nothing changes", Nothing, kSetupModel, ""},
        {"pressure channel", Set<1>(3u), kSetupModel, "7 14"},
        // Conductance and volume go, and each model built on them follows.
        {"volume channel", Set<2>(3u), kSetupModel, "12 54 17 19 43 14"},
        {"workflow kind", Set<0>(2), kSetupModel, "19 43 14"},
        // Cuvette and saline re-announce every parameter, which their observers take as a change.
        {"workflow in use", Set<34>(false), kSetupModel, "19 43"},
        {"loop markers", Set<36>(false), kSetupModel, ""},
        {"pressure points", Set<4>(10.0), kPressureModel, "14"},
        {"conductance points", Set<9>(0.001), kConductanceModel, "17 19 43 14"},
        {"volume points", Set<52>(0.2), kVolumeModel, "19 43 14"},
        {"cuvette slope", Set<15>(1400.0), kCuvetteModel, "19 43"},
        {"parallel conductance", Set<18>(0.00003), kSalineModel, "43"},
        {"alpha", Set<42>(1.4), kAlphaModel, ""},
    };
    for (const Case& c : cases) {
        ApplyEverything();
        ASSERT_EQ(Cleared(), "") << c.what;
        c.change(*document);
        document->GetModel(c.model)->CommitChange();
        EXPECT_EQ(Cleared(), c.cleared) << c.what;
    }
}

} // namespace
