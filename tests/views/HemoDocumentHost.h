#pragma once
// The occlusion recording open in the host with the module's document (HemoTableFixture), behind a
// plain interface: the host's headers and the views' cannot meet in one file.

#include <memory>

#include "platform/win32/unknown.h"

namespace Tarvik {
class TarvikDocument;
class TarvikHemodynamicsTableViewData;
} // namespace Tarvik

namespace TarvikTest {

class HemoDocumentHost {
public:
    HemoDocumentHost();
    ~HemoDocumentHost();

    // The document opened with the stored set-up, analysed on request.
    Tarvik::TarvikDocument& Open(bool analyse);
    // The host's document holding it, as a view receives it.
    IUnknown* HostDocument();
    Tarvik::TarvikHemodynamicsTableViewData& Data();

private:
    struct Fixture;
    std::unique_ptr<Fixture> mFixture;
};

} // namespace TarvikTest
