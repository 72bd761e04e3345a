// The class objects other subsystems put on the class-object list, each
// subsystem's in its own fixed order.

#include <array>

#include "analysis/CalcEnumClasses.h"
#include "analysis/CalcEnumDescriptor.h"
#include "dialogs/TarvikChannelCalculationClass.h"
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
    // The channel calculation: its class, then its settings class at the head.
    registrars.channelCalculation = [](ClassObjectList& list) {
        static std::array<ListedClassObject, 2> nodes;
        nodes[0].object = &ChannelCalculationClass();
        nodes[1].object = &ChannelCalculationSettingsClass();
        for (ListedClassObject& node : nodes)
            list.PushFront(&node);
    };
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
