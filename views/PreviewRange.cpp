#include "views/PreviewRange.h"

#include <array>

#include "module/MessageIds.h"
#include "platform/vantrel/DocView.h"
#include "platform/vantrel/DocumentClass.h"
#include "platform/win32/com_ptr.h"

namespace Tarvik {
namespace {

constexpr double kPreviewWidth = 400.0; // pixels
constexpr std::array<double, 10> kLadder{1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};
constexpr double kBeyondLadder = 2000.0;
constexpr HostTickPosition kOrigin{0, 0};
// The id under which the host document keeps its view of the recording.
using RecordingViewId = MsgIdClass<HostMsgGuidC203, 2>;

TickPosition FromHost(HostTickPosition p) {
    return {p.record, p.tick};
}

bool Accepts(IDocumentDataEx& data, HostTickPosition p) {
    WORD valid = 0;
    data.IsValidPosition(p, &valid);
    return valid != 0;
}

// The selection's mapped ends, when there is a usable selection.
bool SelectedEnds(IHostDocObject& host, IHostDataObject& data, HostTickPosition& a, HostTickPosition& b) {
    ComPtr<IHostSelection> selection;
    if (host.GetSelection(0, selection.Put()) != S_OK || !selection)
        return false;
    WORD present = 0;
    selection->HasSelection(&present);
    HostTickPosition first{INT32_MAX, INT32_MAX};
    HostTickPosition last{INT32_MAX, INT32_MAX};
    if (present == 0 || selection->GetEnds(&first, &last) != S_OK)
        return false;
    data.MapPosition(first, &a);
    data.MapPosition(last, &b);
    return true;
}

HostTickPosition ReportedEnd(IHostDataObject& data, IDocumentDataEx& positions, HostTickPosition b) {
    HostTickPosition end = kOrigin;
    if (Accepts(positions, b)) {
        data.ReportPosition(b, &end);
        return end;
    }
    std::int64_t count = 0;
    data.GetTickCount(0, &count);
    if (count > 0) {
        positions.PositionOfTickCount(count, &b);
        if (Accepts(positions, b))
            data.ReportPosition(b, &end);
    }
    return end;
}

} // namespace

double CompressionStep(double q) {
    for (double step : kLadder)
        if (q <= step)
            return step;
    return kBeyondLadder;
}

void GetPreviewRange(IHostDocObject* host, TickPosition& start, TickPosition& end, double& compression) {
    start = FromHost(kOrigin);
    end = FromHost(kOrigin);
    compression = 1.0;
    ComPtr<IHostDataObject> data;
    if (host == nullptr || FAILED(host->GetDataObject(0, data.Put())) || !data)
        return;
    const auto document = QueryInterfacePtr<IHostDocumentEx>(host, IID_IHostDocumentEx);
    ComPtr<IUnknown> kept;
    if (document)
        document->GetObjectById(RecordingViewId::Id(), kept.Put());
    const auto view = QueryInterfacePtr<IRecordingView>(kept.Get(), IID_IRecordingView);

    HostTickPosition a = kOrigin;
    HostTickPosition b = kOrigin;
    const bool selected = SelectedEnds(*host, *data.Get(), a, b);
    if (!selected && view)
        view->GetShownRange(&a, &b);

    const auto positions = QueryInterfacePtr<IDocumentDataEx>(data.Get(), IID_IDocumentDataEx);
    if (!positions)
        return;
    HostTickPosition first = kOrigin;
    if (Accepts(*positions.Get(), a))
        data->ReportPosition(a, &first);
    const HostTickPosition last = ReportedEnd(*data.Get(), *positions.Get(), b);
    start = FromHost(first);
    end = FromHost(last);

    if (selected && !(start == end)) {
        std::int64_t countA = 0;
        std::int64_t countB = 0;
        positions->TickCountOfPosition(a, &countA);
        positions->TickCountOfPosition(b, &countB);
        compression = CompressionStep(static_cast<double>(countB - countA) / kPreviewWidth);
    } else if (view) {
        view->GetCompression(&compression);
    }
}

} // namespace Tarvik
