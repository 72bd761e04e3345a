#pragma once
// The module linked into the test, registered with the host as the loader registers it, and a
// recording open in the host with the module's document in it: the host's engine evaluates the
// formulas the document writes with the module's calculation classes.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "document/TarvikDocument.h"
#include "host/document/RecordingDocument.h"
#include "host/engine/CalcClassCatalog.h"
#include "host/recording/DelimitedImport.h"
#include "library/ModuleStatics.h"
#include "module/MessageIds.h"
#include "module/ModuleInstance.h"
#include "module/ZARDocumentClass.h"
#include "tests/support/ModuleHost.h"
#include "tests/support/ModuleStrings.h"
#include "workflow/ModelParamAccess.h"

namespace TarvikTest {

inline const std::filesystem::path kSampleData = TARVIK_SOURCE_DIR "/data";
inline const std::filesystem::path kDocumentData = TARVIK_SOURCE_DIR "/tests/data/document";

inline std::vector<BYTE> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::unique_ptr<Vantrel::Recording> ImportSample(const std::string& name) {
    Vantrel::ImportResult imported = Vantrel::importDelimitedFile(kSampleData / (name + ".csv"));
    return std::make_unique<Vantrel::Recording>(std::move(imported.recording()));
}

// The sample cut into three records (blocks) of equal length.
inline std::unique_ptr<Vantrel::Recording> InBlocks(const Vantrel::Recording& whole) {
    auto blocks = std::make_unique<Vantrel::Recording>(whole.channels());
    const Vantrel::Record& record = whole.record(0);
    const std::size_t length = static_cast<std::size_t>(record.tickCount()) / 3;
    for (std::size_t b = 0; b < 3; ++b) {
        std::vector<std::vector<float>> columns;
        for (std::size_t c = 0; c < whole.channelCount(); ++c) {
            const auto samples = record.samples(c);
            columns.emplace_back(samples.begin() + static_cast<std::ptrdiff_t>(b * length),
                                 samples.begin() + static_cast<std::ptrdiff_t>((b + 1) * length));
        }
        blocks->addRecord(Vantrel::Record(1.0 / record.sampleRate(), std::move(columns)));
    }
    return blocks;
}

inline constexpr GUID kDocumentClassGuid = MakeGuid("{D6F52E84-B34D-11D3-80C7-005004AD3C53}");

class RecordingFixture : public ModuleHost {
protected:
    void SetUp() override {
        Tarvik::SetModuleInstance(StringTableModule());
        Vantrel::InstallRecordingServices(Zar());
        catalog = ComPtr<Vantrel::CalcClassCatalog>::Adopt(new Vantrel::CalcClassCatalog);
        Tarvik::ClassObjectList classes;
        Tarvik::DefaultRegistrars().calculationClasses(classes);
        classes.ForEach([this](Tarvik::ZARClassObject& node) { catalog->add(node.GetClassObject()); });
        documentClass = ComPtr<ICustomDocClass>(new Tarvik::ZARDocumentClass<Tarvik::TarvikDocument>(
            Ovo::String(u"Tarvik Document"), kDocumentClassGuid, Tarvik::TarvikDocumentGUID, 0, 1, 0));
    }

    void TearDown() override {
        if (recordingDocument)
            recordingDocument->closeModuleDocument();
        recordingDocument.Reset();
        documentClass.Reset();
        catalog.Reset();
        ModuleHost::TearDown();
    }

    // The recording open in the host (its document id 7), without the module's document yet.
    Vantrel::RecordingDocument& Open(Vantrel::Recording& recording) {
        recordingDocument = ComPtr<Vantrel::RecordingDocument>::Adopt(
            new Vantrel::RecordingDocument(Zar(), recording, ComPtr<ICalcService>(catalog.Get()), 7));
        return *recordingDocument.Get();
    }

    // The recording open with the stored set-up of tests/data/document (the occlusion sample's
    // channels), the module's document opened in it.
    Tarvik::TarvikDocument& OpenWithStoredSetUp(Vantrel::Recording& recording) {
        Open(recording);
        recordingDocument->storeStream(0, ReadBytes(kDocumentData / "setup-stream0.bin"));
        recordingDocument->storeStream(1, ReadBytes(kDocumentData / "setup-stream1.bin"));
        return OpenModule();
    }

    // Opens the module's document in the recording document.
    Tarvik::TarvikDocument& OpenModule() {
        EXPECT_EQ(recordingDocument->openModuleDocument(documentClass.Get()), S_OK);
        return *dynamic_cast<Tarvik::TarvikDocument*>(recordingDocument->moduleDocument());
    }

    // The formula in a virtual channel of the host, as UTF-8.
    std::string Formula(std::u16string_view channel) {
        const auto* c = recordingDocument->data().channel(channel);
        return c ? std::string(c->formula.begin(), c->formula.end()) : std::string();
    }

    ComPtr<Vantrel::CalcClassCatalog> catalog;
    ComPtr<ICustomDocClass> documentClass;
    ComPtr<Vantrel::RecordingDocument> recordingDocument;
};

} // namespace TarvikTest
