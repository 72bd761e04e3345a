#include "library/ViewClassObjects.h"

#include "dialogs/WorkflowView.h"
#include "module/ModuleInstance.h"
#include "views/CuvetteView.h"
#include "views/TarvikAnalysisGraphView.h"
#include "views/TarvikEventDrawPolicy.h"
#include "views/TarvikHemodynamicsTableView.h"
#include "views/TarvikPRSWGraphView.h"
#include "views/TarvikPVAEDVView.h"
#include "views/TarvikPVAESPView.h"
#include "views/TarvikSalineCalGraphView.h"
#include "views/TarvikdPdTMaxEDVGraphView.h"
#include "views/ZAROwlDocViewClass.h"

namespace Tarvik {

std::vector<ICAFClassObject*> MakeViewClassObjects() {
    OWL::TModule* m = ModuleObject();
    return {
        new ZAROwlDocViewClass<TarvikHemodynamicsTableView, 2>(u"Tarvik Hemodynamics TableView", m),
        new ZAROwlDocViewClass<TarvikAnalysisGraphView, 4>(u"Loop View", m),
        new ZAROwlDocViewClass<TarvikPRSWGraphView, 5>(u"Tarvik PRSW GraphView", m),
        new ZAROwlDocViewClass<TarvikdPdTMaxEDVGraphView, 7>(u"Tarvik dP/dt Max versus EDV GraphView", m),
        new ZAROwlDocViewClass<TarvikSalineCalGraphView, 8>(u"Tarvik Saline Calibration GraphView", m),
        new ZAROwlDocViewClass<TarvikPVAEDVView, 9>(u"Tarvik PVA EDV View", m),
        new ZAROwlDocViewClass<TarvikPVAESPView, 10>(u"Tarvik PVA ESP View", m),
        new ZAROwlDocViewClass<CuvetteView, 11>(u"Tarvik Cuvette Calibration View", m),
        new ZAROwlDocViewClass<WorkflowView, 12>(u"Tarvik Workflow", m),
        static_cast<ICAFClassObject*>(new StrevClient::TEventDrawClass<TarvikEventDrawPolicy>),
        static_cast<ICAFClassObject*>(new StrevClient::TEventDrawClass<TarvikEdpEventDrawPolicy>),
    };
}

} // namespace Tarvik
