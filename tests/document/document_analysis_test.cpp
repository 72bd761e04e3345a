// The analysis driver on the bundled occlusion sample: the document opened with the golden set-up
// settings runs AnalyzeTarvikNow, writes its formula texts into the host's virtual channels and
// collects the loops vantrel prints, offline and while the host samples.

#include <cmath>
#include <tuple>

#include "analysis/TarvikEvent.h"
#include "platform/user/Desktop.h"
#include "platform/vantrel/EventRecords.h"
#include "tests/document/RecordingFixture.h"

namespace {

using namespace Tarvik;
using TarvikTest::kDocumentData;
using TarvikTest::ReadBytes;

constexpr std::string_view kAnalyzer =
    "TarvikAnalyzer(ch1, ch2, PVEdpDet(ch1, CMPeakDet(ch1, 20, 0), 20, 0, 0, "
    "2147483647, 2147483647), 0, 0, 2147483647, 2147483647)";

// The loops of the loop data: record, tick and stroke volume of each included loop.
struct Loop {
    std::int32_t record;
    std::int32_t tick;
    double strokeVolume;
    friend bool operator==(const Loop&, const Loop&) = default;
};

std::vector<Loop> LoopsOf(TarvikData& data) {
    std::vector<Loop> loops;
    for (std::int32_t i = 0;; ++i) {
        const TickPosition at = data.GetLoopPosition(i);
        if (at.IsNone())
            return loops;
        loops.push_back({at.record, at.tick, data.GetLoopParamValue(3, i)});
    }
}

class DocumentAnalysis : public TarvikTest::RecordingFixture {
protected:
    void SetUp() override {
        RecordingFixture::SetUp();
        recording = TarvikTest::ImportSample("mouse-occlusion");
    }

    TarvikDocument& OpenWithSetUp(Vantrel::Recording& target) {
        Open(target);
        recordingDocument->storeStream(0, ReadBytes(kDocumentData / "setup-stream0.bin"));
        recordingDocument->storeStream(1, ReadBytes(kDocumentData / "setup-stream1.bin"));
        return OpenModule();
    }

    // The notices of message 33 with their flags.
    std::vector<std::uint32_t> ChangeNotices() {
        std::vector<std::uint32_t> flags;
        for (const auto& notice : recordingDocument->notices())
            if (notice.id == DocMsgId<33>())
                flags.push_back(static_cast<std::uint32_t>(notice.payload));
        return flags;
    }

    // What vantrel prints: the loops of the "tarvik" channel as the host's engine computes them, with
    // their stroke volumes through the module's selector: (record, tick, stroke volume).
    std::vector<std::tuple<std::int32_t, std::int32_t, double>> VantrelLoops() {
        Vantrel::VirtualChannelDocument& data = recordingDocument->data();
        const Vantrel::Calculation selector = data.compile(u"TarvikParamSelector(tarvik, 3, 1, 1)");
        std::vector<std::tuple<std::int32_t, std::int32_t, double>> loops;
        for (std::int32_t r = 0; r < recording->recordCount(); ++r) {
            const std::vector<std::byte> events = data.channel(u"tarvik")->calculation->events(r);
            const std::vector<std::byte> values = selector.events(r);
            for (std::size_t i = 0; i < events.size() / kLoopEventBytes; ++i) {
                const auto e = ReadEventRecord<LoopEventHead>(events.data() + i * kLoopEventBytes);
                if (e.state != LoopEventHead::LastInBlock)
                    loops.emplace_back(
                        r, e.tick,
                        ReadEventRecord<EventRecord>(values.data() + i * sizeof(EventRecord)).value);
            }
        }
        return loops;
    }

    std::unique_ptr<Vantrel::Recording> recording;
};

TEST_F(DocumentAnalysis, AnalyzeWritesTheFormulasAndCollectsTheLoopsVantrelPrints) {
    TarvikDocument& document = OpenWithSetUp(*recording);
    ASSERT_TRUE(recordingDocument->sendMessage(DocMsgId<257>()));

    EXPECT_EQ(Formula(u"tarvik"), kAnalyzer);
    EXPECT_EQ(Formula(u"pvvolumewithoutvp"), "ch(2, \"base\")") << "the volume channel's unit was fetched";
    std::string onVirtual(kAnalyzer);
    onVirtual.replace(onVirtual.find("ch2"), 3, "pvvolumewithoutvp");
    EXPECT_EQ(Formula(u"pveventwithoutvp"), onVirtual);
    const std::string pva = Formula(u"pva");
    EXPECT_EQ(pva.rfind("PVACalc(tarvik, 0, 1, ", 0), 0u)
        << pva << ": the fitted linear ESPVR and exponential EDPVR";
    EXPECT_NE(pva, "PVACalc(tarvik, -1 , 0, 0, 0, 0, 0, 0, 0)");

    const auto printed = VantrelLoops();
    const std::vector<Loop> loops = LoopsOf(document.LoopData());
    ASSERT_EQ(loops.size(), printed.size());
    for (std::size_t i = 0; i < loops.size(); ++i) {
        EXPECT_EQ(loops[i].record, std::get<0>(printed[i])) << i;
        EXPECT_EQ(loops[i].tick, std::get<1>(printed[i])) << i;
        EXPECT_EQ(loops[i].strokeVolume, std::get<2>(printed[i])) << i;
    }
    const std::vector<std::uint32_t> notices = ChangeNotices();
    ASSERT_FALSE(notices.empty());
    EXPECT_EQ(notices.front() & (kAnalysisUpdated | kLoopListRebuilt | kInclusionApplied),
              kAnalysisUpdated | kLoopListRebuilt | kInclusionApplied);
    EXPECT_EQ(document.ChangeFlagsWord(), 0u) << "sent and cleared";
    const auto& progress = Zar().Progress().opened();
    ASSERT_EQ(progress.size(), 1u);
    EXPECT_EQ(progress[0]->texts, (std::vector<std::u16string>{u"Processing", u"Channel 1, Block 1"}));
    EXPECT_EQ(progress[0]->percents.back(), 100);
    EXPECT_TRUE(progress[0]->closed);
}

// Sampled block by block into an empty recording with online analysis on, the loops arrive as the
// data do, and are those the complete recording gives.
TEST_F(DocumentAnalysis, SampledOnlineInBlocksTheSameLoopsArrive) {
    TarvikDocument& offline = OpenWithSetUp(*recording);
    ASSERT_TRUE(recordingDocument->sendMessage(DocMsgId<257>()));
    const std::vector<Loop> expected = LoopsOf(offline.LoopData());
    recordingDocument->closeModuleDocument();

    Vantrel::Recording sampled(recording->channels());
    TarvikDocument& document = OpenWithSetUp(sampled);
    const ModelPtr setup = document.FindModel();
    SetModelParam<35>(setup, true);
    ASSERT_TRUE(setup->CommitChange());
    ASSERT_TRUE(recordingDocument->sendMessage(DocMsgId<257>()));
    recordingDocument->notifyDataChanged(); // the host re-registers the online sink

    const Vantrel::Record& source = recording->record(0);
    constexpr std::size_t kBlock = 250;
    sampled.startSampling(1.0 / source.sampleRate());
    for (std::size_t first = 0; first < static_cast<std::size_t>(source.tickCount()); first += kBlock) {
        std::vector<std::vector<float>> block;
        for (std::size_t c = 0; c < sampled.channelCount(); ++c) {
            const auto samples = source.samples(c);
            const std::size_t end = std::min(first + kBlock, samples.size());
            block.emplace_back(samples.begin() + static_cast<std::ptrdiff_t>(first),
                               samples.begin() + static_cast<std::ptrdiff_t>(end));
        }
        sampled.appendBlock(block);
    }
    const std::size_t whileSampling = LoopsOf(document.LoopData()).size();
    sampled.stopSampling();

    EXPECT_GT(whileSampling, expected.size() / 2) << "loops were read as the data arrived";
    EXPECT_EQ(LoopsOf(document.LoopData()), expected);
    recordingDocument->closeModuleDocument();
    recordingDocument.Reset(); // before the recording it reads
}

} // namespace
