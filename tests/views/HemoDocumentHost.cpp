#include "tests/views/HemoDocumentHost.h"

#include "tests/views/HemoTableFixture.h"

namespace TarvikTest {

struct HemoDocumentHost::Fixture : HemoTableFixture {
    Fixture() { SetUp(); }
    ~Fixture() override { TearDown(); }
    void TestBody() override {}

    Tarvik::TarvikDocument& Open(bool analyse) {
        Tarvik::TarvikDocument& document = OpenDocument();
        if (analyse)
            Analyse();
        return document;
    }
    IUnknown* Host() { return static_cast<IHostDocument*>(recordingDocument.Get()); }
    Tarvik::TarvikHemodynamicsTableViewData& Data() { return *data; }
};

HemoDocumentHost::HemoDocumentHost() : mFixture(std::make_unique<Fixture>()) {}
HemoDocumentHost::~HemoDocumentHost() = default;

Tarvik::TarvikDocument& HemoDocumentHost::Open(bool analyse) {
    return mFixture->Open(analyse);
}

IUnknown* HemoDocumentHost::HostDocument() {
    return mFixture->Host();
}

Tarvik::TarvikHemodynamicsTableViewData& HemoDocumentHost::Data() {
    return mFixture->Data();
}

} // namespace TarvikTest
