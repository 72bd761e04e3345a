// The module's document in a recording of the host, through the loader: libtarvik.so registers its
// document class and calculation classes, the host opens the bundled occlusion sample with the
// module's document in it and runs the document's commands, offline and while it samples.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "host/document/RecordingDocument.h"
#include "host/engine/CalcClassCatalog.h"
#include "host/loader/Host.h"
#include "host/recording/DelimitedImport.h"
#include "platform/vantrel/EventRecords.h"

namespace {

using namespace Vantrel;
using Bytes = std::vector<BYTE>;

constexpr GUID kTarvikDocumentGUID = MakeGuid("{63A4A828-9A7F-4690-8267-4BA020CFC59B}");
const std::filesystem::path kDocumentData = TARVIK_SOURCE_DIR "/tests/data/document";
constexpr std::string_view kAnalyzer =
    "TarvikAnalyzer(ch1, ch2, PVEdpDet(ch1, CMPeakDet(ch1, 20, 0), 20, 0, 0, "
    "2147483647, 2147483647), 0, 0, 2147483647, 2147483647)";
// The offset of the online flag in the golden set-up stream 0: the set-up model's state after the
// storage header, version, count and its id.
constexpr std::size_t kOnlineFlag = 71;

Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ModuleDocument : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(host.LoadModule(), S_OK);
        InstallRecordingServices(host.Zar());
        catalog = ComPtr<CalcClassCatalog>::Adopt(new CalcClassCatalog);
        const ClassRegistry& registry = host.Zar().Classes();
        for (const RegisteredClass& registered : registry.Registrations())
            if (ICAFClassObject* object =
                    registered.accepted ? registry.FindClass(registered.typeId) : nullptr)
                catalog->add(object);
        documentClass = QueryInterfacePtr<ICustomDocClass>(registry.FindClass(DocId(0)), IID_ICustomDocClass);
        ASSERT_TRUE(documentClass);
        ImportResult imported = importDelimitedFile(TARVIK_SOURCE_DIR "/data/mouse-occlusion.csv");
        ASSERT_TRUE(imported.ok());
        sample = std::make_unique<Recording>(std::move(imported.recording()));
    }

    void TearDown() override {
        if (document)
            document->closeModuleDocument();
        document.Reset();
        documentClass.Reset();
        catalog.Reset();
        host.UnloadModule();
    }

    DWORD DocId(WORD n) {
        return (static_cast<DWORD>(host.Zar().MessageIds().NumberOf(kTarvikDocumentGUID)) << 16) | n;
    }

    RecordingDocument& Open(Recording& recording, const Bytes& stream0) {
        document = ComPtr<RecordingDocument>::Adopt(
            new RecordingDocument(host.Zar(), recording, ComPtr<ICalcService>(catalog.Get()), 3));
        document->storeStream(0, stream0);
        document->storeStream(1, ReadBytes(kDocumentData / "setup-stream1.bin"));
        EXPECT_EQ(document->openModuleDocument(documentClass.Get()), S_OK);
        return *document.Get();
    }

    std::string Formula(std::u16string_view channel) {
        const auto* c = document->data().channel(channel);
        return c ? std::string(c->formula.begin(), c->formula.end()) : std::string();
    }

    // The loop events of the "tarvik" channel (not the trailing event of a record): their ticks.
    std::vector<std::int32_t> LoopTicks() {
        const auto* loops = document->data().channel(u"tarvik");
        std::vector<std::int32_t> ticks;
        for (std::int32_t r = 0; loops && loops->calculation && r < sample->recordCount(); ++r) {
            const std::vector<std::byte> events = loops->calculation->events(r);
            for (std::size_t at = 0; at + kLoopEventBytes <= events.size(); at += kLoopEventBytes) {
                const auto head = ReadEventRecord<LoopEventHead>(events.data() + at);
                if (head.state != LoopEventHead::LastInBlock)
                    ticks.push_back(head.tick);
            }
        }
        return ticks;
    }

    std::vector<std::uint32_t> ChangeNotices() {
        std::vector<std::uint32_t> flags;
        for (const auto& notice : document->notices())
            if (notice.id == DocId(33))
                flags.push_back(static_cast<std::uint32_t>(notice.payload));
        return flags;
    }

    Host host;
    ComPtr<CalcClassCatalog> catalog;
    ComPtr<ICustomDocClass> documentClass;
    std::unique_ptr<Recording> sample;
    ComPtr<RecordingDocument> document;
};

TEST_F(ModuleDocument, AnalyzeOnTheOcclusionSampleWritesTheFormulasAndFindsTheLoopsVantrelPrints) {
    Open(*sample, ReadBytes(kDocumentData / "setup-stream0.bin"));
    ASSERT_TRUE(document->sendMessage(DocId(257)));
    EXPECT_EQ(Formula(u"tarvik"), kAnalyzer);
    EXPECT_EQ(Formula(u"pvvolumewithoutvp"), "ch(2, \"base\")");
    const std::string pva = Formula(u"pva");
    EXPECT_EQ(pva.rfind("PVACalc(tarvik, 0, 1, ", 0), 0u) << pva;

    // What vantrel prints: the loop events of "tarvik" as the host's engine computes them.
    std::vector<std::int32_t> printed;
    const std::vector<std::byte> events = document->data().channel(u"tarvik")->calculation->events(0);
    for (std::size_t i = 0; i < events.size() / kLoopEventBytes; ++i)
        if (const auto e = ReadEventRecord<LoopEventHead>(events.data() + i * kLoopEventBytes);
            e.state != LoopEventHead::LastInBlock)
            printed.push_back(e.tick);
    EXPECT_EQ(LoopTicks(), printed);

    const std::vector<std::uint32_t> notices = ChangeNotices();
    ASSERT_FALSE(notices.empty()) << "message 33 went out";
    EXPECT_EQ(notices.front() & 0x4A, 0x4Au) << "updated, loops rebuilt, inclusion applied";
    EXPECT_EQ(host.Zar().Progress().opened().at(0)->percents.back(), 100);
    const auto& all = document->notices();
    const auto loopChannel =
        std::find_if(all.begin(), all.end(), [](const DocumentNotice& n) { return n.loopChannel; });
    ASSERT_NE(loopChannel, all.end()) << "message 52 names the loop-event channel";
    EXPECT_EQ(*loopChannel->loopChannel, document->data().channel(u"tarvik")->ref);
    // The analysis is saved with the document: the volume channel's unit and the marker channel.
    ASSERT_EQ(document->saveSettings(), S_OK);
    EXPECT_GT(document->storedStream(0)->size(), ReadBytes(kDocumentData / "setup-stream0.bin").size());
}

// With the analysis online, the host's online data reach the document as the recording samples.
TEST_F(ModuleDocument, SampledInBlocksTheDocumentReadsTheLoopsAsTheyArrive) {
    Bytes online = ReadBytes(kDocumentData / "setup-stream0.bin");
    online.at(kOnlineFlag) = 1;
    Recording sampled(sample->channels());
    Open(sampled, online);
    document->notifyDataChanged(); // the document adds its online-data sink
    ASSERT_TRUE(document->sendMessage(DocId(257)));
    const std::size_t before = ChangeNotices().size();
    const Record& source = sample->record(0);
    sampled.startSampling(1.0 / source.sampleRate());
    for (std::size_t first = 0; first < static_cast<std::size_t>(source.tickCount()); first += 500) {
        std::vector<std::vector<float>> block;
        for (std::size_t c = 0; c < sampled.channelCount(); ++c) {
            const auto samples = source.samples(c);
            block.emplace_back(samples.begin() + static_cast<std::ptrdiff_t>(first),
                               samples.begin() +
                                   static_cast<std::ptrdiff_t>(std::min(first + 500, samples.size())));
        }
        sampled.appendBlock(block);
    }
    sampled.stopSampling();
    const std::vector<std::uint32_t> notices = ChangeNotices();
    const auto read = std::count(notices.begin() + static_cast<std::ptrdiff_t>(before), notices.end(), 0x18u);
    EXPECT_GE(read, 10) << "loops read block by block";
    document->closeModuleDocument();
    document.Reset(); // before the recording it reads
}

} // namespace
