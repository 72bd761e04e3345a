#include "host/document/DocumentViews.h"

#include <cstring>
#include <memory>

namespace Vantrel {

HostMessageRecord ReadHostMessage(IMessage* message) {
    HostMessageRecord record;
    if (message == nullptr)
        return record;
    message->GetId(&record.id);
    message->GetFlags(&record.flags);
    if (const auto target = QueryInterfacePtr<IMessageTarget>(message, IID_IMessageTarget))
        target->GetTargetId(&record.targetId);
    const void* data = nullptr;
    if (FAILED(message->GetData(&data)) || data == nullptr)
        return record;
    DWORD codes = 0;
    std::memcpy(&codes, data, sizeof codes);
    std::size_t words = 1;
    for (DWORD c = codes; c != 0; c >>= 4)
        words += (c & 0xF) == 3 ? 2 : (c & 0xF) == 7 ? sizeof(void*) / sizeof(DWORD) : 1;
    record.words.resize(words);
    std::memcpy(record.words.data(), data, words * sizeof(DWORD));
    return record;
}

namespace {

class Enumerator : public ComObject<IHostEnum> {
public:
    explicit Enumerator(std::vector<ComPtr<IUnknown>> items) : mItems(std::move(items)) {}
    void* find(REFIID iid) override { return iid == IID_IHostEnum ? static_cast<IHostEnum*>(this) : nullptr; }
    HRESULT Next(ULONG count, IUnknown** items, ULONG* fetched) override {
        if (items == nullptr || count == 0)
            return E_POINTER;
        *items = nullptr;
        if (fetched != nullptr)
            *fetched = 0;
        if (mAt >= mItems.size())
            return S_FALSE;
        *items = ComPtr<IUnknown>(mItems[mAt++]).Detach();
        if (fetched != nullptr)
            *fetched = 1;
        return S_OK;
    }

private:
    std::vector<ComPtr<IUnknown>> mItems;
    std::size_t mAt = 0;
};

class ViewClass : public ComObject<IHostViewClass> {
public:
    explicit ViewClass(DWORD kind) : mKind(kind) {}
    void* find(REFIID iid) override {
        return iid == IID_IHostViewClass ? static_cast<IHostViewClass*>(this) : nullptr;
    }
    HRESULT GetKindId(DWORD* kind) override {
        if (kind == nullptr)
            return E_POINTER;
        *kind = mKind;
        return S_OK;
    }

private:
    DWORD mKind;
};

// A view object over the document's record of the view (index into its list).
class ViewObject : public ComObject<IHostView> {
public:
    ViewObject(std::vector<HostView>& views, std::size_t index) : mViews(views), mIndex(index) {}
    void* find(REFIID iid) override { return iid == IID_IHostView ? static_cast<IHostView*>(this) : nullptr; }
    HRESULT Show(WORD show) override {
        HostView& view = mViews[mIndex];
        view.shown = show != 0;
        if (show == 0)
            ++view.hides;
        return S_OK;
    }
    HRESULT GetViewClass(IHostViewClass** viewClass) override {
        if (viewClass == nullptr)
            return E_POINTER;
        *viewClass = new ViewClass(mViews[mIndex].kind);
        return S_OK;
    }

private:
    std::vector<HostView>& mViews;
    std::size_t mIndex;
};

} // namespace

// The root node: the floating views, and one child node with the panels.
class DocumentViews::Tree : public ComObject<IHostViewNode> {
public:
    Tree(std::vector<HostView>& views, bool panels) : mViews(views), mPanels(panels) {}
    void* find(REFIID iid) override {
        return iid == IID_IHostViewNode ? static_cast<IHostViewNode*>(this) : nullptr;
    }
    HRESULT EnumChildren(IHostEnum** children) override {
        if (children == nullptr)
            return E_POINTER;
        std::vector<ComPtr<IUnknown>> items;
        if (!mPanels)
            items.push_back(ComPtr<IUnknown>::Adopt(static_cast<IHostViewNode*>(new Tree(mViews, true))));
        *children = new Enumerator(std::move(items));
        return S_OK;
    }
    HRESULT EnumViews(IHostEnum** views) override {
        if (views == nullptr)
            return E_POINTER;
        std::vector<ComPtr<IUnknown>> items;
        for (std::size_t i = 0; i < mViews.size(); ++i)
            if (mViews[i].panel == mPanels)
                items.push_back(ComPtr<IUnknown>::Adopt(static_cast<IHostView*>(new ViewObject(mViews, i))));
        *views = new Enumerator(std::move(items));
        return S_OK;
    }
    std::vector<HostView>& Views() { return mViews; }

private:
    std::vector<HostView>& mViews;
    bool mPanels;
};

DocumentViews::DocumentViews() : mTree(ComPtr<Tree>::Adopt(new Tree(mViews, false))) {}

DocumentViews::~DocumentViews() = default;

const std::vector<HostView>& DocumentViews::Views() const {
    return mTree->Views();
}

const HostView* DocumentViews::Find(DWORD kind) const {
    for (const HostView& view : mTree->Views())
        if (view.kind == kind)
            return &view;
    return nullptr;
}

void DocumentViews::Open(DWORD kind, bool panel) {
    if (Find(kind) == nullptr) {
        HostView view;
        view.kind = kind;
        view.panel = panel;
        mTree->Views().push_back(view);
    }
}

bool DocumentViews::Handle(const HostMessageRecord& message) {
    if (message.id == kTileViewsMessage)
        return true;
    if ((message.id >> 16) != (kOpenViewMessage >> 16) || message.words.size() < 2)
        return false;
    const DWORD kind = message.words[1];
    const auto view = [&]() -> HostView& {
        Open(kind, message.id == kOpenPanelMessage);
        return const_cast<HostView&>(*Find(kind));
    };
    switch (message.id) {
    case kOpenViewMessage:
    case kOpenPanelMessage:
        ++view().opens;
        view().shown = true;
        return true;
    case kPlaceViewMessage:
        if (message.words.size() >= 6) {
            HostView& placed = view();
            placed.rect = RECT{static_cast<LONG>(message.words[2]), static_cast<LONG>(message.words[3]),
                               static_cast<LONG>(message.words[4]), static_cast<LONG>(message.words[5])};
            placed.placed = true;
        }
        return true;
    case kViewStateMessage:
        if (message.words.size() >= 3)
            view().state = message.words[2];
        return true;
    case kViewCommandMessage:
        if (message.words.size() >= 3)
            view().systemCommand = message.words[2];
        return true;
    case kPanelActionMessage:
        view();
        return true;
    default:
        return false;
    }
}

ComPtr<IUnknown> DocumentViews::FindView(DWORD kind) {
    std::vector<HostView>& views = mTree->Views();
    for (std::size_t i = 0; i < views.size(); ++i)
        if (views[i].kind == kind)
            return ComPtr<IUnknown>::Adopt(static_cast<IHostView*>(new ViewObject(views, i)));
    return {};
}

ComPtr<IUnknown> DocumentViews::ViewTree() {
    return ComPtr<IUnknown>(static_cast<IHostViewNode*>(mTree.Get()));
}

} // namespace Vantrel
