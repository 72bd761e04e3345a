#pragma once
// An object that decorates a window with a context word: its window answers
// the registered message "ZARGetWindowContext" with the word, and the object
// hears when its window is shown or hidden.

#include <memory>

#include "platform/owl/TWindow.h"

namespace Tarvik {

inline constexpr const char16_t* kGetWindowContextMessage = u"ZARGetWindowContext";

class ContextualWindowDecorated {
public:
    virtual ~ContextualWindowDecorated();

    // The window is being shown (true) or hidden.
    virtual void OnShown(bool shown) = 0;

    // An alias over the decorated window that answers for its owner.
    class SubclassedWindow : public OWL::TWindow {
    public:
        SubclassedWindow(ContextualWindowDecorated* owner, OWL::TModule* module);

        LRESULT EvGetWindowContext(WPARAM, LPARAM);
        void EvShowWindow(bool shown, UINT status);

    private:
        ContextualWindowDecorated* mOwner;

        DECLARE_RESPONSE_TABLE(SubclassedWindow);
    };

    // Puts a new alias over the decorated window in place of the one held.
    void ReplaceContentWindow(OWL::TModule* module);
    SubclassedWindow* ContentWindow() const { return mContent.get(); }

    ULONG_PTR context = 0;
    HWND window = nullptr;

private:
    std::unique_ptr<SubclassedWindow> mContent;
};

} // namespace Tarvik
