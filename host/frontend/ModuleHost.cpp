#include "host/frontend/ModuleHost.h"

#include "host/engine/CalcClassCatalog.h"
#include "host/engine/HresultText.h"
#include "host/framework/Text.h"
#include "host/framework/ViewServices.h"
#include "host/frontend/LoopParameterNames.h"
#include "host/loader/Host.h"

#include <stdexcept>

namespace Vantrel {

ModuleHost::ModuleHost() : mHost(std::make_unique<Host>()) {
    if (const HRESULT result = mHost->LoadModule(); FAILED(result)) {
        throw std::runtime_error("cannot load the analysis module " + Utf16ToUtf8(DefaultModulePath()) +
                                 " (" + hresultText(result) + ")");
    }
    auto catalog = ComPtr<CalcClassCatalog>::Adopt(new CalcClassCatalog);
    const ClassRegistry& registry = mHost->Zar().Classes();
    for (const RegisteredClass& registered : registry.Registrations())
        if (ICAFClassObject* classObject =
                registered.accepted ? registry.FindClass(registered.typeId) : nullptr) {
            catalog->add(classObject);
            if (!mDocumentClass)
                mDocumentClass = QueryInterfacePtr<ICustomDocClass>(classObject, IID_ICustomDocClass);
        }
    if (!catalog->find(u"TarvikAnalyzer"))
        throw std::runtime_error("the analysis module registered no loop analyser");
    if (!mDocumentClass)
        throw std::runtime_error("the analysis module registered no document class");
    mClasses = catalog;
}

ModuleHost::~ModuleHost() {
    mDocumentClass.Reset();
    mClasses.Reset();
    mHost->UnloadModule();
}

ComPtr<IDocViewClass> ModuleHost::viewClass(std::u16string_view name) const {
    return FindViewClass(mHost->Zar().Classes(), name);
}

Framework& ModuleHost::framework() {
    return mHost->Zar();
}

HostApplication& ModuleHost::application() {
    return mHost->Application();
}

LoopParameterNamer ModuleHost::parameterNamer() const {
    const HMODULE instance = mHost->Module().Instance();
    return [instance](int id, const ChannelInfo& pressure, const ChannelInfo& volume) {
        return loopParameterColumn(id, pressure, volume,
                                   [instance](UINT text) { return moduleString(instance, text); });
    };
}

} // namespace Vantrel
