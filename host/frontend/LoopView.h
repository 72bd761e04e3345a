#pragma once

#include "platform/win32/unknown.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace Vantrel {

class DocumentView;
class ModuleHost;
struct LoopRange;

/// The module's loop view, opened on a host document as a user opens it, for the life of the object
/// (which must end before the document closes). Its list of loops is filled from the document's
/// notices.
class LoopView {
public:
    /// Throws std::runtime_error when the module has no loop view or it cannot be opened.
    LoopView(ModuleHost& module, IUnknown* hostDocument);
    ~LoopView();
    LoopView(const LoopView&) = delete;
    LoopView& operator=(const LoopView&) = delete;

    /// Unchecks the loops of the ranges (numbers from 1, in list order) as a user does, each once: scrolls
    /// the list with the mouse wheel until the loop's item shows, then clicks its box (which selects the
    /// item too). The module takes each as the user's exclusion of that loop. Numbers beyond the list are
    /// passed over.
    void uncheck(const std::vector<LoopRange>& loops);

private:
    std::unique_ptr<DocumentView> mView;
};

} // namespace Vantrel
