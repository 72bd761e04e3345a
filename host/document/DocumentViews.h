#pragma once
// The views of a recording document as the host keeps them: the module opens,
// places and arranges them with its view messages (platform/vantrel/HostViews.h),
// which the document hands here, and walks them through the view tree: a root
// holding the floating views and one child node holding the docked panels. The
// view objects handed out refer to this object: they must not outlive it.

#include <string>
#include <vector>

#include "host/engine/ComObject.h"
#include "host/framework/DocumentServices.h"
#include "platform/vantrel/HostViews.h"
#include "platform/vantrel/Message.h"
#include "platform/win32/com_ptr.h"

namespace Vantrel {

// One message a module document sent the host: its id, flags, target and parameter words.
struct HostMessageRecord {
    DWORD id = 0;
    DWORD flags = 0;
    DWORD targetId = 0;
    std::vector<DWORD> words; // the parameter block from its type code word, in 32-bit words
};

// Reads a message into a record; the block's words as far as its type code says.
HostMessageRecord ReadHostMessage(IMessage* message);

struct HostView {
    DWORD kind = 0;
    bool panel = false; // opened as a docked panel
    bool shown = true;
    bool placed = false;
    RECT rect{0, 0, 0, 0};
    int opens = 0;           // open-view messages
    DWORD state = 0;         // the last state message's value
    DWORD systemCommand = 0; // the last system command
    int hides = 0;           // Show(false) through the view tree
};

class DocumentViews : public ViewDirectory {
public:
    DocumentViews();
    ~DocumentViews();
    DocumentViews(const DocumentViews&) = delete;
    DocumentViews& operator=(const DocumentViews&) = delete;

    // Takes a view message; false for any other message.
    bool Handle(const HostMessageRecord& message);
    const std::vector<HostView>& Views() const;
    // The view of a kind, or null.
    const HostView* Find(DWORD kind) const;
    // Adds a view as if the user had opened it.
    void Open(DWORD kind, bool panel);

    ComPtr<IUnknown> FindView(DWORD kind) override;
    ComPtr<IUnknown> ViewTree() override;

private:
    class Tree;
    std::vector<HostView> mViews; // the view objects handed out refer to it: the tree lives as long
    ComPtr<Tree> mTree;
};

} // namespace Vantrel
