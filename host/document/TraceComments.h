#pragma once

#include "host/engine/ComObject.h"
#include "platform/vantrel/IStrevComment.h"
#include "platform/win32/com_ptr.h"

#include <optional>
#include <string>
#include <vector>

namespace Vantrel {

/// Follows a comment's position for the host: the record it lies in and the tick its own tick
/// counts from (0: the record's start). The host moves it when the recording changes.
class CommentPosition : public ComObject<ICommentPositionProvider> {
public:
    CommentPosition(LONG record, LONG baseTick) : mRecord(record), mBaseTick(baseTick) {}
    void moveTo(LONG record, LONG baseTick) {
        mRecord = record;
        mBaseTick = baseTick;
    }
    HRESULT GetRecord(LONG* record) override;
    HRESULT GetBaseTick(LONG* tick) override;

private:
    void* find(REFIID iid) override;
    LONG mRecord;
    LONG mBaseTick;
};

/// The comments documents send the host (message 0x800C005A), kept and shown as the host's trace
/// view shows them: each gets the next id (from 1) and a position provider at its record with base
/// tick 0; the view draws each at a draw record of its choosing, hit-tests the markers, opens a
/// comment's popup with the time text of its position and flashes a marker.
class TraceComments {
public:
    TraceComments() = default;
    TraceComments(const TraceComments&) = delete;
    TraceComments& operator=(const TraceComments&) = delete;
    ~TraceComments();

    /// Keeps the comment of a ShowComment2 message: S_OK; S_FALSE for another message.
    HRESULT take(IMessage* message);
    std::size_t size() const { return mEntries.size(); }
    IStrevComment& comment(std::size_t i) const { return *mEntries.at(i).comment.Get(); }
    /// The flags word the comment's message carried.
    DWORD flags(std::size_t i) const { return mEntries.at(i).flags; }
    CommentPosition& position(std::size_t i) const { return *mEntries.at(i).position.Get(); }
    /// The comment's text.
    std::u16string text(std::size_t i) const;

    /// Where the view draws a marker: its top at (x, y), its guide line down to bottom.
    static CommentDrawRecord at(LONG x, LONG y, LONG bottom, bool selected, bool guide);
    /// Draws comment i on the view's device context (also its attribute context).
    HRESULT draw(std::size_t i, HDC dc, const CommentDrawRecord& where) const;
    /// The first comment whose marker, drawn at where[i], holds point.
    std::optional<std::size_t> hitTest(HDC dc, POINT point,
                                       const std::vector<CommentDrawRecord>& where) const;
    /// Opens comment i's popup over the view's window; the comment's answer in *result.
    ComPtr<ICommentPopupWindow> showPopup(std::size_t i, HWND window, const CommentDrawRecord& where,
                                          std::u16string_view timeText, HRESULT* result = nullptr) const;
    HRESULT flash(std::size_t i, HWND window, const CommentDrawRecord& where, DWORD milliseconds) const;
    /// Lets go of every comment, taking back its position provider first.
    void clear();

private:
    struct Entry {
        ComPtr<IStrevComment> comment;
        DWORD flags = 0;
        ComPtr<CommentPosition> position;
    };
    std::vector<Entry> mEntries;
};

} // namespace Vantrel
