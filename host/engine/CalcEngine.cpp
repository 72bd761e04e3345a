#include "host/engine/CalcEngine.h"

#include "host/engine/FormulaBinder.h"
#include "host/engine/FormulaError.h"
#include "host/engine/FormulaParser.h"

namespace Vantrel {

CalcEngine::CalcEngine(const Recording& recording, ComPtr<ICalcService> classes, ComPtr<IUnknown> host)
    : mRecording(recording), mClasses(std::move(classes)), mHost(std::move(host)) {}

Calculation CalcEngine::compile(std::u16string_view text) const {
    FormulaNode node = FormulaParser::parse(text);
    FormulaBinder binder(mRecording.channelCount(), mClasses.Get(), mHost.Get());
    auto root = std::make_shared<CalcTerm>(binder.bind(node, FormulaBinder::Want::Either));
    return Calculation(mRecording, std::move(root), mHost);
}

Calculation CalcEngine::compile(std::string_view text) const {
    return compile(std::u16string(text.begin(), text.end()));
}

HRESULT CalcEngine::tryCompile(std::u16string_view text, std::unique_ptr<Calculation>& out,
                               std::string& error) const {
    try {
        out = std::make_unique<Calculation>(compile(text));
        error.clear();
        return S_OK;
    } catch (const FormulaError& e) {
        out.reset();
        error = e.what();
        return E_INVALIDARG;
    }
}

} // namespace Vantrel
