// The class objects other subsystems put on the class-object list, each
// subsystem's in its own fixed order.

#include <array>

#include "analysis/CalcEnumClasses.h"
#include "analysis/CalcEnumDescriptor.h"
#include "library/ModuleStatics.h"
#include "module/MessageIds.h"

namespace Tarvik {

namespace {

// The node of a class object that is not a node itself.
class ListedClassObject : public ZARClassObject {
public:
    ICAFClassObject* GetClassObject() override { return object; }
    ICAFClassObject* object = nullptr;
};

} // namespace

ModuleRegistrars DefaultRegistrars() {
    ModuleRegistrars registrars;
    // The channel calculation (document subsystem): none yet.
    registrars.channelCalculation = [](ClassObjectList&) {};
    // The seven calculation classes, in the order they are made.
    registrars.calculationClasses = [](ClassObjectList& list) {
        CalcEnums::SetGuidNumberSource([](REFGUID guid, WORD& number) {
            number = MessageSpace(guid);
            return number != 0;
        });
        static std::array<ListedClassObject, 7> nodes;
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            nodes[i].object = CalcEnums::CalcClassObjects()[i];
            list.PushFront(&nodes[i]);
        }
    };
    return registrars;
}

} // namespace Tarvik
