#include "host/document/TraceComments.h"

#include "host/framework/Text.h"

namespace Vantrel {

HRESULT CommentPosition::GetRecord(LONG* record) {
    if (!record)
        return E_POINTER;
    *record = mRecord;
    return S_OK;
}

HRESULT CommentPosition::GetBaseTick(LONG* tick) {
    if (!tick)
        return E_POINTER;
    *tick = mBaseTick;
    return S_OK;
}

void* CommentPosition::find(REFIID iid) {
    return iid == IID_ICommentPositionProvider ? static_cast<ICommentPositionProvider*>(this) : nullptr;
}

TraceComments::~TraceComments() {
    clear();
}

HRESULT TraceComments::take(IMessage* message) {
    DWORD id = 0;
    if (!message || FAILED(message->GetId(&id)) || id != kShowComment2MessageId)
        return S_FALSE;
    const auto show = QueryInterfacePtr<IShowComment2Message>(message, IID_IShowComment2Message);
    Entry entry;
    if (!show || FAILED(show->GetComment(entry.comment.Put())) || !entry.comment)
        return S_FALSE;
    show->GetShowFlags(&entry.flags);
    HostTickPosition where{0, 0};
    entry.comment->GetInfo(&where, nullptr, nullptr, nullptr);
    entry.comment->SetId(static_cast<DWORD>(mEntries.size() + 1));
    entry.position = ComPtr<CommentPosition>::Adopt(new CommentPosition(where.record, 0));
    entry.comment->SetPositionProvider(entry.position.Get());
    mEntries.push_back(std::move(entry));
    return S_OK;
}

std::u16string TraceComments::text(std::size_t i) const {
    IAutoOvoString* text = nullptr;
    comment(i).GetText(&text);
    return TakeString(text);
}

CommentDrawRecord TraceComments::at(LONG x, LONG y, LONG bottom, bool selected, bool guide) {
    CommentDrawRecord where;
    where.x = x;
    where.y = y;
    where.bottom = bottom;
    where.flags = (selected ? kCommentSelected : 0) | (guide ? kCommentGuideLine : 0);
    return where;
}

HRESULT TraceComments::draw(std::size_t i, HDC dc, const CommentDrawRecord& where) const {
    return comment(i).Draw(dc, dc, &where, 0, 0);
}

std::optional<std::size_t> TraceComments::hitTest(HDC dc, POINT point,
                                                  const std::vector<CommentDrawRecord>& where) const {
    for (std::size_t i = 0; i < mEntries.size() && i < where.size(); ++i) {
        DWORD flags = 0;
        if (comment(i).HitTest(dc, &where[i], point, 0, &flags) == S_OK)
            return i;
    }
    return std::nullopt;
}

ComPtr<ICommentPopupWindow> TraceComments::showPopup(std::size_t i, HWND window,
                                                     const CommentDrawRecord& where,
                                                     std::u16string_view timeText, HRESULT* result) const {
    const auto time = ComPtr<IAutoOvoString>::Adopt(MakeString(timeText));
    ComPtr<ICommentPopupWindow> popup;
    const HRESULT hr = comment(i).ShowPopupAt(window, &where, time.Get(), popup.Put(), 0);
    if (result)
        *result = hr;
    return popup;
}

HRESULT TraceComments::flash(std::size_t i, HWND window, const CommentDrawRecord& where,
                             DWORD milliseconds) const {
    return comment(i).Flash(window, &where, milliseconds, 0);
}

void TraceComments::clear() {
    for (Entry& entry : mEntries)
        entry.comment->SetPositionProvider(nullptr);
    mEntries.clear();
}

} // namespace Vantrel
