// The formula texts the document writes, the ticks of a region and the chunks it is read in.

#include <functional>

#include "document/ChannelTicks.h"
#include "document/FormulaTexts.h"
#include "tests/document/RecordingFixture.h"

namespace {

using namespace Tarvik;

class FormulaTexts : public TarvikTest::RecordingFixture {
protected:
    void SetUp() override {
        RecordingFixture::SetUp();
        recording = TarvikTest::ImportSample("mouse-steady");
        Open(*recording);
        document = &OpenModule();
    }

    std::unique_ptr<Vantrel::Recording> recording;
    TarvikDocument* document = nullptr;
};

struct TextCase {
    const char* what;
    std::function<void(const ModelPtr&)> set;
    std::function<Ovo::String(const ModelPtr&)> build;
    std::string expected;
};

// The examples' settings: pressure channel index 0, volume 1, peak height 20 and 0.5, start at
// record 0 tick 1000, online.
void Examples(const ModelPtr& setup) {
    SetModelParam<1>(setup, 0u);
    SetModelParam<2>(setup, 1u);
    SetModelParam<30>(setup, 20.0);
    SetModelParam<31>(setup, 0.5);
    SetModelParam<59>(setup, WordPair{1000, 0});
    SetModelParam<60>(setup, WordPair{500, 2});
    SetModelParam<35>(setup, true);
    SetModelParam<27>(setup, 1);
    SetModelParam<28>(setup, 0);
}

TEST_F(FormulaTexts, TheTextsOfTheDetectorsAndTheAnalyser) {
    const auto withLimits = [](const ModelPtr& s) { return BuildEdpDetectorFormula(false, s); };
    const auto none = [](const ModelPtr&) {};
    const TextCase cases[] = {
        {"detector, online", none, withLimits, "PVEdpDet(ch1, CMPeakDet(ch1, 20, 0.5), 20, 0, 1000, -1, -1)"},
        {"analyser on the volume channel", none, MakeAnalyzerFormula,
         "TarvikAnalyzer(ch1, ch2, PVEdpDet(ch1, CMPeakDet(ch1, 20, 0.5), 20, 0, 1000, -1, -1), 0, 1000, -1, "
         "-1)"},
        {"analyser on the virtual volume", none, MakeAnalyzerFormulaOnVirtualVolume,
         "TarvikAnalyzer(ch1, pvvolumewithoutvp, PVEdpDet(ch1, CMPeakDet(ch1, 20, 0.5), 20, 0, 1000, -1, "
         "-1), 0, "
         "1000, -1, -1)"},
        {"limits omitted", none, MakeEdpDetectorFormula, "PVEdpDet(ch1, CMPeakDet(ch1, 20, 0.5), 20)"},
        {"channel index 9", [](const ModelPtr& s) { SetModelParam<1>(s, 9u); }, MakeEdpDetectorFormula,
         "PVEdpDet(ch10, CMPeakDet(ch10, 20, 0.5), 20)"},
        {"the whole channel", [](const ModelPtr& s) { SetModelParam<35>(s, false); }, withLimits,
         "PVEdpDet(ch1, CMPeakDet(ch1, 20, 0.5), 20, 0, 1000, 2147483647, 2147483647)"},
        {"a selection",
         [](const ModelPtr& s) {
             SetModelParam<35>(s, false);
             SetModelParam<27>(s, 0);
             SetModelParam<59>(s, WordPair{0, 0});
         },
         withLimits, "PVEdpDet(ch1, CMPeakDet(ch1, 20, 0.5), 20, 0, 0, 2, 500)"},
        {"a small height", [](const ModelPtr& s) { SetModelParam<30>(s, 0.0001); }, MakeEdpDetectorFormula,
         "PVEdpDet(ch1, CMPeakDet(ch1, 0.0001, 0.5), 0.0001)"},
        {"a smaller height", [](const ModelPtr& s) { SetModelParam<30>(s, 1e-5); }, MakeEdpDetectorFormula,
         "PVEdpDet(ch1, CMPeakDet(ch1, 1e-05, 0.5), 1e-05)"},
        {"six significant digits", [](const ModelPtr& s) { SetModelParam<30>(s, 123.456789); },
         MakeEdpDetectorFormula, "PVEdpDet(ch1, CMPeakDet(ch1, 123.457, 0.5), 123.457)"},
        {"ECG events",
         [](const ModelPtr& s) {
             SetModelParam<28>(s, 1);
             SetModelParam<29>(s, StringPair{Ovo::String(u"ECG R waves"), Ovo::String()});
         },
         MakeEdpDetectorFormula, "PVEcgEdpDet(ECG R waves)"},
        {"maximum detector", none,
         [](const ModelPtr& s) { return BuildMaxDetectorFormula(Ovo::String(u"ch3"), s); }, "PVMaxDet(ch3)"},
    };
    for (const TextCase& c : cases) {
        const ModelPtr setup = document->FindModel();
        Examples(setup);
        c.set(setup);
        const std::wstring text = c.build(setup).ToWString();
        EXPECT_EQ(std::string(text.begin(), text.end()), c.expected) << c.what;
        setup->RollbackChange();
    }
}

TEST_F(FormulaTexts, WithoutLoopsThePressureVolumeAreaTextIsTheDefault) {
    const std::wstring text = document->BuildPvaCalcFormula().ToWString();
    EXPECT_EQ(std::string(text.begin(), text.end()), "PVACalc(tarvik, -1 , 0, 0, 0, 0, 0, 0, 0)");
}

TEST(LoopReading, ChunksAreAHundredthOfTheRegionBetween1000And10000Ticks) {
    const std::pair<std::int64_t, std::int64_t> cases[] = {{100000, 1000},   {99999, 99999}, {2000000, 10000},
                                                           {1000000, 10000}, {500, 500},     {0, 0}};
    for (const auto& [total, chunk] : cases)
        EXPECT_EQ(LoopReadChunk(total), chunk) << total;
}

TEST(LoopReading, TheTicksOfARegionCountItsRecordsFromStartToEnd) {
    Vantrel::Recording blocks({Vantrel::ChannelInfo{"P", "mmHg"}});
    for (int r = 0; r < 3; ++r) {
        std::vector<std::vector<float>> columns(blocks.channelCount(),
                                                std::vector<float>(1000 * (r + 1), 0.0f));
        blocks.addRecord(Vantrel::Record(0.001, std::move(columns)));
    }
    const auto data = ComPtr<Vantrel::VirtualChannelDocument>::Adopt(new Vantrel::VirtualChannelDocument(
        ComPtr<Vantrel::DocumentData>::Adopt(new Vantrel::DocumentData(blocks)), {}));
    ISampleBlocks* blocksData = data.Get();
    EXPECT_EQ(CountTicksBetween(blocksData, WordPair{100, 0}, WordPair{500, 0}), 400);
    EXPECT_EQ(CountTicksBetween(blocksData, WordPair{100, 0}, WordPair{500, 2}), 900 + 2000 + 500);
    EXPECT_EQ(CountTicksBetween(blocksData, WordPair{500, 1}, WordPair{100, 1}), 0);
    EXPECT_EQ(CountTicksBetween(blocksData, WordPair{0, 0}, WordPair{0, 0}), 0);
}

} // namespace
