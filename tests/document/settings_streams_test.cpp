// The document's settings streams 0 and 1 as the host saves and loads them: byte-exact golden
// streams, the versions and trailers the reader refuses, and a refused stream changing nothing.

#include <cstdlib>
#include <random>

#include "core/StorageBinOStreamLite.h"
#include "document/SettingsStreams.h"
#include "tests/document/RecordingFixture.h"

namespace {

using namespace Tarvik;
using TarvikTest::kDocumentData;
using TarvikTest::ReadBytes;
using Bytes = std::vector<BYTE>;

constexpr HRESULT kTooNew = static_cast<HRESULT>(0xA0048205u);
constexpr HRESULT kCorrupt = static_cast<HRESULT>(0xA004820Au);

class SettingsStreams : public TarvikTest::RecordingFixture {
protected:
    void SetUp() override {
        RecordingFixture::SetUp();
        recording = TarvikTest::ImportSample("mouse-occlusion");
        Open(*recording);
    }

    TarvikDocument& Document() { return *dynamic_cast<TarvikDocument*>(recordingDocument->moduleDocument()); }

    ComPtr<IPersistStreamInit> Persist(LONG index) {
        ComPtr<IPersist> persist;
        DWORD word = 1;
        EXPECT_EQ(Document().GetSettingsObject(index, kSettingsObjectKind, &word, persist.Put()), S_OK);
        EXPECT_EQ(word, 0u);
        return persist.Query<IPersistStreamInit>(IID_IPersistStreamInit);
    }

    Bytes Save(LONG index) {
        MemoryStream* stream = MemoryStream::Create();
        EXPECT_EQ(Persist(index)->Save(stream, TRUE), S_OK);
        Bytes bytes = stream->Bytes();
        stream->Release();
        return bytes;
    }

    HRESULT Load(LONG index, const Bytes& bytes) {
        MemoryStream* stream = MemoryStream::Create(bytes);
        const HRESULT hr = Persist(index)->Load(stream);
        stream->Release();
        return hr;
    }

    // The set-up of the golden set-up streams: pressure channel 1, volume channel 2, whole channel.
    void SetUpChannels() {
        const ModelPtr setup = Document().FindModel();
        SetModelParam<1>(setup, 0u);
        SetModelParam<2>(setup, 1u);
        SetModelParam<27>(setup, 1);
        ASSERT_TRUE(setup->CommitChange());
    }

    // Compares with a file of tests/data/document; TARVIK_UPDATE_GOLDEN=1 rewrites the file instead.
    static void ExpectGolden(const Bytes& bytes, const std::string& name) {
        const auto path = kDocumentData / name;
        if (std::getenv("TARVIK_UPDATE_GOLDEN") != nullptr) {
            std::ofstream(path, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<std::streamsize>(bytes.size()));
            return;
        }
        EXPECT_EQ(bytes, ReadBytes(path)) << name;
    }

    static std::uint32_t Word(const Bytes& bytes, std::size_t offset) {
        std::uint32_t word = 0;
        std::memcpy(&word, bytes.data() + offset, sizeof word);
        return word;
    }

    std::unique_ptr<Vantrel::Recording> recording;
};

TEST_F(SettingsStreams, FreshAndSetUpDocumentsSaveTheGoldenStreams) {
    OpenModule();
    const Bytes fresh0 = Save(0), fresh1 = Save(1);
    ExpectGolden(fresh0, "fresh-stream0.bin");
    ExpectGolden(fresh1, "fresh-stream1.bin");
    // Storage header, version, the seven models made at construction in increasing id; both
    // unit caches empty, no marker channel, the version again.
    EXPECT_EQ(Word(fresh0, 0), kStorageStreamHeader);
    EXPECT_EQ(Word(fresh0, 4), 17u);
    EXPECT_EQ(Word(fresh0, 8), 7u);
    EXPECT_EQ(Word(fresh0, 12), 1u) << "the set-up model first";
    const std::uint32_t tail[] = {1, 0, 1, 1, 0, 1, 0x80000000u, 17};
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(Word(fresh0, fresh0.size() - 32 + 4 * i), tail[i]) << i;
    EXPECT_EQ(Word(fresh1, 4), 12u);
    EXPECT_EQ(Word(fresh1, fresh1.size() - 4), 12u);

    SetUpChannels();
    ExpectGolden(Save(0), "setup-stream0.bin");
    ExpectGolden(Save(1), "setup-stream1.bin");
}

TEST_F(SettingsStreams, GoldenStreamsRoundTripThroughAFreshDocument) {
    for (const char* name : {"fresh", "setup"}) {
        const Bytes stream0 = ReadBytes(kDocumentData / (std::string(name) + "-stream0.bin"));
        const Bytes stream1 = ReadBytes(kDocumentData / (std::string(name) + "-stream1.bin"));
        recordingDocument->storeStream(0, stream0);
        recordingDocument->storeStream(1, stream1);
        OpenModule();
        EXPECT_EQ(Save(0), stream0) << name;
        EXPECT_EQ(Save(1), stream1) << name;
        recordingDocument->closeModuleDocument();
    }
    OpenModule();
    EXPECT_EQ(GetModelParam<2>(Document().FindModel()), 1u) << "the set-up stream was read at opening";
    EXPECT_EQ(GetModelParam<27>(Document().FindModel()), 1);
}

TEST_F(SettingsStreams, RefusesNewerVersionsTrailersThatDifferAndUnknownModels) {
    OpenModule();
    const Bytes good = ReadBytes(kDocumentData / "setup-stream0.bin");
    Bytes newer = good;
    newer[4] = 18;
    EXPECT_EQ(Load(0, newer), kTooNew);
    Bytes trailer = good;
    trailer.back() = 0x7F;
    EXPECT_EQ(Load(0, trailer), kCorrupt);
    Bytes unknown = good;
    unknown[12] = 13; // the first model's id
    EXPECT_EQ(Load(0, unknown), kCorrupt);
    Bytes zero = good;
    zero[4] = 0;
    EXPECT_EQ(Load(0, zero), kCorrupt);
    Bytes extraNewer = ReadBytes(kDocumentData / "setup-stream1.bin");
    extraNewer[4] = 13;
    EXPECT_EQ(Load(1, extraNewer), kTooNew);
}

TEST_F(SettingsStreams, EveryTruncationIsRefusedAndLeavesTheSettingsAsTheyWere) {
    OpenModule();
    SetUpChannels();
    const Bytes before0 = Save(0), before1 = Save(1);
    for (const char* name : {"setup-stream0.bin", "setup-stream1.bin"}) {
        const LONG index = name[13] == '0' ? 0 : 1;
        const Bytes golden = ReadBytes(kDocumentData / name);
        for (std::size_t cut = 0; cut < golden.size(); ++cut) {
            const Bytes truncated(golden.begin(), golden.begin() + static_cast<std::ptrdiff_t>(cut));
            EXPECT_NE(Load(index, truncated), S_OK) << name << " cut at " << cut;
        }
    }
    EXPECT_EQ(Save(0), before0);
    EXPECT_EQ(Save(1), before1);
    EXPECT_FALSE(Document().IsLoadingSettings());
}

TEST_F(SettingsStreams, ARefusedStreamAnnouncesNothingAndLeavesNoChangeOpen) {
    OpenModule();
    const ModelPtr setup = Document().FindModel();
    const Bytes before = Save(0);
    // A stream whose models all read but whose trailer is wrong: the models must not keep what
    // they read.
    Bytes stream = ReadBytes(kDocumentData / "setup-stream0.bin");
    stream[stream.size() - 4] = 16;
    const int noticesBefore = Zar().Subjects().NotificationCount();
    EXPECT_EQ(Load(0, stream), kCorrupt);
    EXPECT_EQ(Zar().Subjects().NotificationCount(), noticesBefore);
    EXPECT_FALSE(setup->CommitChange()) << "no change open";
    EXPECT_EQ(Save(0), before);
}

// Seeded corruptions of the golden streams: every load ends (refused or read), and a refused one
// leaves the saved bytes as before. ASan fails the test on any overrun or huge allocation.
TEST_F(SettingsStreams, CorruptedStreamsNeverCrashAndRefusedOnesChangeNothing) {
    OpenModule();
    std::mt19937 random(17);
    for (const char* name : {"setup-stream0.bin", "setup-stream1.bin"}) {
        const LONG index = name[13] == '0' ? 0 : 1;
        const Bytes golden = ReadBytes(kDocumentData / name);
        for (int round = 0; round < 300; ++round) {
            Bytes corrupt = golden;
            const int flips = 1 + static_cast<int>(random() % 4);
            for (int f = 0; f < flips; ++f)
                corrupt[random() % corrupt.size()] = static_cast<BYTE>(random());
            const Bytes before = Save(index);
            if (Load(index, corrupt) != S_OK) {
                EXPECT_EQ(Save(index), before) << name << " round " << round;
            }
        }
    }
}

TEST_F(SettingsStreams, AFailedWriteIsReportedAndTheSettingsStayDirty) {
    OpenModule();
    SetUpChannels();
    const ComPtr<IPersistStreamInit> persist = Persist(0);
    EXPECT_EQ(persist->IsDirty(), S_OK) << "a committed change marks the settings";
    MemoryStream* full = MemoryStream::Create();
    full->InjectFault(StreamOp::Write, 0, true);
    EXPECT_EQ(persist->Save(full, TRUE), STG_E_WRITEFAULT);
    full->Release();
    EXPECT_EQ(persist->IsDirty(), S_OK);
    Save(0);
    EXPECT_EQ(persist->IsDirty(), S_FALSE);
}

TEST_F(SettingsStreams, HostQueriesOfTheSettingsObjects) {
    TarvikDocument& document = OpenModule();
    ComPtr<IPersist> persist;
    DWORD word = 5;
    EXPECT_EQ(document.GetSettingsObject(2, kSettingsObjectKind, &word, persist.Put()), S_FALSE);
    EXPECT_FALSE(persist);
    EXPECT_EQ(document.GetSettingsObject(0, 1, &word, persist.Put()), S_FALSE);
    CLSID clsid{};
    EXPECT_EQ(Persist(1)->GetClassID(&clsid), S_OK);
    EXPECT_EQ(clsid, TarvikDocumentGUID);
    ULARGE_INTEGER size{};
    EXPECT_EQ(Persist(0)->GetSizeMax(&size), E_NOTIMPL);
    EXPECT_EQ(Persist(0)->InitNew(), S_FALSE) << "no settings were loaded";
}

TEST_F(SettingsStreams, InitNewAfterALoadResetsEveryModelKeepingItsIdentity) {
    recordingDocument->storeStream(0, ReadBytes(kDocumentData / "setup-stream0.bin"));
    TarvikDocument& document = OpenModule();
    const ModelPtr setup = document.FindModel();
    ASSERT_EQ(GetModelParam<2>(setup), 1u);
    EXPECT_EQ(Persist(0)->InitNew(), S_OK);
    EXPECT_EQ(document.FindModel(), setup);
    EXPECT_EQ(GetModelParam<2>(setup), 0x80000000u);
    EXPECT_EQ(Save(0), ReadBytes(kDocumentData / "fresh-stream0.bin"));
}

// Stream 1 of versions 10 and 11 is read by the current reader: each model gets the version.
TEST_F(SettingsStreams, OlderCurrentLayoutsOfStreamOneAreRead) {
    OpenModule();
    Bytes stream = ReadBytes(kDocumentData / "setup-stream1.bin");
    stream[4] = 10;
    stream[stream.size() - 4] = 10;
    EXPECT_EQ(Load(1, stream), S_OK);
}

} // namespace
