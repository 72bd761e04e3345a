#include "document/LoopEventComment.h"

#include "document/TarvikDocument.h"
#include "document/comments/EventDataCommentTP.h"
#include "document/comments/ShowComment2Msg.h"
#include "platform/vantrel/EventRecords.h"
#include "workflow/ModelParamAccess.h"

namespace Tarvik {
namespace {

// The host's event reader reads the loop-marker series drawn on a channel with these flags.
constexpr DWORD kEventReaderFlags = 0xC0000000;

} // namespace

int MakeCurrentEventComment(MergedEventReader& reader, IUnknown* dataSource, std::int32_t channel,
                            IStrevComment** comment) {
    *comment = nullptr;
    std::vector<std::uint8_t> event;
    if (reader.Next(event) != S_OK || event.size() < sizeof(EventRecord))
        return 1;
    ComPtr<IEnumEventEx> source;
    std::int32_t index = 0;
    DWORD drawClassId = 0;
    if (SUCCEEDED(reader.CurrentSource(source.Put(), &index)) && source)
        source->GetDrawClassId(&drawClassId);
    const auto head = ReadEventRecord<EventRecord>(event.data());
    auto* made = new StrevClient::EventDataCommentTP(event.data(), channel, drawClassId, 0, head.tick,
                                                     reader.StartRecord(), dataSource);
    made->AddRef();
    *comment = made;
    return 0;
}

void TarvikDocument::ShowLoopEventComment(TickPosition position) {
    if (position.record == INT32_MAX || !GetModelParam<36>(FindModel()))
        return;
    IUnknown* data = GetHostDataSource();
    const auto channel = static_cast<std::int32_t>(GetPressureChannel());
    MergedEventReader reader(data, position.record, position.tick, channel, kEventReaderFlags);
    ComPtr<IStrevComment> comment;
    if (MakeCurrentEventComment(reader, data, channel, comment.Put()) != 0)
        return;
    const auto message = ComPtr<ISettingsMessage>::Adopt(static_cast<ISettingsMessage*>(
        StrevClient::ShowComment2Msg::Create(comment.Get(), kShowCommentFlags)));
    ZARMessageSender::Deliver(*this, message.Get(), Target());
}

} // namespace Tarvik
