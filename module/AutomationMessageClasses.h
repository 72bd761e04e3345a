#pragma once
// The module's 26 automation message classes (numbers 256 to 285 in the
// module's space, category "Tarvik"), made in their fixed order and linked at
// the head of the list of message classes, so that the list holds them newest
// first. Their handlers are the document's.

#include <memory>
#include <vector>

#include "module/MsgIdMessageClassObject.h"

namespace Ovo {

class AutomationMessageClasses {
public:
    // Makes the 26 classes in their order and pushes each on the list.
    explicit AutomationMessageClasses(MessageClassList& list);
    AutomationMessageClasses(const AutomationMessageClasses&) = delete;
    AutomationMessageClasses& operator=(const AutomationMessageClasses&) = delete;
    // Destroys the classes, the last made first.
    ~AutomationMessageClasses();

    // The class of a number, or null.
    MsgIdMessageClassObject* Find(WORD number) const;
    std::size_t Count() const { return mClasses.size(); }

private:
    std::vector<std::unique_ptr<MsgIdMessageClassObject>> mClasses;
};

// The definitions of the 26 classes, in the order they are made.
const std::vector<MessageClassDef>& AutomationMessageDefs();

} // namespace Ovo
