#pragma once
// The module's loop data as the host keeps it: the child data of type number 5
// of the module's message space, kept by the host object of a document.

#include "platform/win32/unknown.h"

namespace Tarvik {

class TarvikData;
class TarvikDocument;

// The loop data kept by the host object (it answers IChildDataHost), or null.
TarvikData* LoopDataOf(IUnknown* childDataHost);
// The module's document a host document holds (its object of the module's id 0), or null; not held.
TarvikDocument* ModuleDocumentOf(IUnknown* hostDocument);

} // namespace Tarvik
