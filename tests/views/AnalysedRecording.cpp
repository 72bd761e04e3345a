#include "tests/views/AnalysedRecording.h"

#include "tests/document/RecordingFixture.h"

namespace TarvikTest {

struct AnalysedRecording::Parts {
    ComPtr<Vantrel::CalcClassCatalog> catalog =
        ComPtr<Vantrel::CalcClassCatalog>::Adopt(new Vantrel::CalcClassCatalog);
    ComPtr<ICustomDocClass> documentClass;
    std::unique_ptr<Vantrel::Recording> recording;
    ComPtr<Vantrel::RecordingDocument> document;
    std::unique_ptr<ViewFrame> frame;
};

AnalysedRecording::AnalysedRecording() = default;
AnalysedRecording::~AnalysedRecording() = default;

void AnalysedRecording::SetUp() {
    mParts = std::make_unique<Parts>();
    Tarvik::SetModuleInstance(StringTableModule());
    Vantrel::InstallRecordingServices(Zar());
    mParts->frame = std::make_unique<ViewFrame>(Zar());
    Tarvik::ClassObjectList classes;
    Tarvik::DefaultRegistrars().calculationClasses(classes);
    classes.ForEach([this](Tarvik::ZARClassObject& node) { mParts->catalog->add(node.GetClassObject()); });
    mParts->documentClass = ComPtr<ICustomDocClass>(new Tarvik::ZARDocumentClass<Tarvik::TarvikDocument>(
        Ovo::String(u"Tarvik Document"), kDocumentClassGuid, Tarvik::TarvikDocumentGUID, 0, 1, 0));
    mParts->recording = ImportSample("mouse-occlusion");
    mParts->document = ComPtr<Vantrel::RecordingDocument>::Adopt(new Vantrel::RecordingDocument(
        Zar(), *mParts->recording, ComPtr<ICalcService>(mParts->catalog.Get()), 7));
    mParts->document->storeStream(0, ReadBytes(kDocumentData / "setup-stream0.bin"));
    mParts->document->storeStream(1, ReadBytes(kDocumentData / "setup-stream1.bin"));
    ASSERT_EQ(mParts->document->openModuleDocument(mParts->documentClass.Get()), S_OK);
    ASSERT_TRUE(mParts->document->sendMessage(Tarvik::DocMsgId<257>()));
}

void AnalysedRecording::TearDown() {
    CloseView();
    mParts->frame.reset();
    if (mParts->document)
        mParts->document->closeModuleDocument();
    mParts.reset();
    ModuleHost::TearDown();
}

Tarvik::TarvikDocument& AnalysedRecording::Document() {
    return *dynamic_cast<Tarvik::TarvikDocument*>(mParts->document->moduleDocument());
}

IUnknown* AnalysedRecording::HostDocument() {
    return static_cast<IHostDocument*>(mParts->document.Get());
}

HWND AnalysedRecording::OpenView(IUnknown* viewClass, DWORD kind) {
    return mParts->frame->Open(viewClass, HostDocument(), kind);
}

void AnalysedRecording::CloseView() {
    if (mParts && mParts->frame)
        mParts->frame->Close();
}

} // namespace TarvikTest
