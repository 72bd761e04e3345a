#include "host/frontend/ChannelChoice.h"

#include <gtest/gtest.h>

namespace Vantrel {
namespace {

Recording withChannels(std::vector<ChannelInfo> channels) {
    Recording recording(std::move(channels));
    recording.addRecord(Record(recording.channelCount(), 0.001));
    return recording;
}

TEST(ChannelChoice, FindsNamedChannelsByTitleHeaderOrNumber) {
    const Recording recording = withChannels({{"ECG", "mV"}, {"LV Pressure", "mmHg"}, {"Conductance", "uS"}});
    const AnalysisChannels channels = chooseChannels(recording, {"lv pressure", "3", "ECG (mV)"});
    EXPECT_EQ(channels.pressure, 1u);
    EXPECT_EQ(channels.volume, 2u);
    EXPECT_EQ(channels.ecg, 0u);
}

TEST(ChannelChoice, ChoosesUnnamedChannelsByTitleThenUnit) {
    struct Case {
        const char* name;
        std::vector<ChannelInfo> channels;
        std::size_t pressure, volume;
    } cases[] = {
        {"titles", {{"Volume", ""}, {"Pressure", ""}}, 1, 0},
        {"units only", {{"Ch A", "mmHg"}, {"Ch B", "\xC2\xB5L"}}, 0, 1},
        {"abbreviations", {{"LVV", "RVU"}, {"LVP", "kPa"}}, 1, 0},
        {"title wins over unit", {{"Aortic", "mmHg"}, {"LV pressure", "mmHg"}, {"Vol", "ml"}}, 1, 2},
        {"unit breaks a tie of titles",
         {{"Pressure ref", "V"}, {"Pressure", "mmHg"}, {"Volume", "uL"}},
         1,
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AnalysisChannels channels = chooseChannels(withChannels(c.channels), {});
        EXPECT_EQ(channels.pressure, c.pressure);
        EXPECT_EQ(channels.volume, c.volume);
        EXPECT_FALSE(channels.ecg);
    }
}

TEST(ChannelChoice, RefusesMissingAmbiguousAndDoubleChoices) {
    struct Case {
        std::vector<ChannelInfo> channels;
        ChannelRequest request;
        const char* message;
    } cases[] = {
        {{{"P", "mmHg"}, {"Flow", "mL/s"}}, {}, "no channel looks like the volume; name it with --volume"},
        {{{"LV Pressure", "mmHg"}, {"Ao Pressure", "mmHg"}, {"V", "uL"}},
         {},
         "several channels could be the pressure (1 \"LV Pressure (mmHg)\", 2 \"Ao Pressure (mmHg)\"); name "
         "one with --pressure"},
        {{{"P", "mmHg"}, {"V", "uL"}},
         {"Pressure", {}, {}},
         "there is no channel named \"Pressure\" for the pressure"},
        {{{"P", "mmHg"}, {"V", "uL"}},
         {{}, "3", {}},
         "there is no channel 3 for the volume; the recording has 2"},
        {{{"P", "mmHg"}, {"V", "uL"}}, {{}, "0", {}}, "there is no channel 0"},
        {{{"P", "mmHg"}, {"V", "uL"}}, {{}, "1", {}}, "cannot be both the pressure and the volume"},
        {{{"P", "mmHg"}, {"V", "uL"}}, {{}, {}, "V"}, "cannot be the ECG as well as the volume"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        try {
            chooseChannels(withChannels(c.channels), c.request);
            ADD_FAILURE() << "accepted";
        } catch (const ChannelError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
}

TEST(ChannelChoice, WarnsOfUnitsThatDoNotFitTheirRole) {
    struct Case {
        ChannelInfo pressure, volume;
        std::vector<std::string> warnings;
    } cases[] = {
        {{"P", "mmHg"}, {"V", "uL"}, {}},
        {{"P", "kPa"}, {"G", "mS"}, {}},
        {{"P", "cmH2O"}, {"V", "RVU"}, {}},
        {{"P", ""}, {"V", ""}, {}},
        {{"P", "mV"},
         {"V", "mL"},
         {"the pressure channel 1 \"P (mV)\" has the unit \"mV\", which is not a unit of "
          "pressure (mmHg, kPa, cmH2O, ...)"}},
        {{"P", "mmHg"},
         {"V", "ms"},
         {"the volume channel 2 \"V (ms)\" has the unit \"ms\", which is not a unit of volume, conductance "
          "or "
          "relative volume (uL, mL, mS, RVU, ...)"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(channelUnitWarnings(withChannels({c.pressure, c.volume}), {0, 1, std::nullopt}), c.warnings)
            << c.pressure.unit << " " << c.volume.unit;
}

} // namespace
} // namespace Vantrel
