#pragma once

#include "core/String.h"
#include "core/Unit.h"
#include "platform/vantrel/IDocumentData.h"

#include <cstdint>
#include <vector>

namespace Tarvik {

// The known well volumes of the cuvette calibration and the conductances measured in each well
// (row r belongs to volume r; NaN for an empty cell or an unknown volume).
struct CuvettePoints {
    std::vector<double> volumes;
    std::vector<std::vector<double>> conductances;
};

// What the loop data asks of the module's document: the settings of the workflow's step models, the
// channels' display scaling and the host's data of the open recording. The document implements it
// and outlives the loop data.
class ILoopDataDocument {
public:
    // The host's data object of the open recording (also answering IDocumentEvents, ISampleBlocks
    // and IVirtualChannelService); null when there is none. Not add-referenced.
    virtual IDocumentData* GetHostData() = 0;
    // The message id that names the loop data as the host document's child data.
    virtual DWORD GetChildDataTypeId() = 0;
    // True while the host samples the recording.
    virtual bool IsSampling() = 0;

    // Set-up step model: pressure and volume channel numbers, analysis while sampling switched on,
    // the highlighted loop (an included index, -1 for none). Without a set-up model: 0, 0, false, -1.
    virtual std::uint32_t GetPressureChannel() = 0;
    virtual std::uint32_t GetVolumeChannel() = 0;
    virtual bool IsAnalysingWhileSampling() = 0;
    virtual std::int32_t GetHighlightedLoop() = 0;
    // Loop-view step model: ESPVR type (EspvrType), EDPVR type (EdpvrType).
    virtual std::int32_t GetEspvrType() = 0;
    virtual std::int32_t GetEdpvrType() = 0;
    // Cuvette step model.
    virtual CuvettePoints GetCuvettePoints() = 0;
    // Haemodynamics-table step model: whether the table shows loop parameter id.
    virtual bool ShowsTableParameter(std::int32_t id) = 0;
    // Loop parameter ids the document's analysis type does not show.
    virtual std::vector<std::int32_t> GetExcludedParameterIds() = 0;

    // The module instance whose string table holds the loop parameters' names.
    virtual HMODULE GetResourceModule() = 0;
    // The units of the workflow's pressure and volume channels; empty when not known.
    virtual Ovo::Unit GetPressureUnit() = 0;
    virtual Ovo::Unit GetVolumeUnit() = 0;
    // value := scale * value + offset of the channel's unit conversion, the host's line from raw to
    // shown values (unchanged when the channel has none).
    virtual void ApplyChannelScaling(std::uint32_t channel, double& value) = 0;
    // Loads the document's persisted settings once; called when the user's loop selection changes.
    virtual void EnsureSettingsLoaded() = 0;
    // The formula text of the pressure-volume-area channel, built from the loop data's relation fits.
    virtual Ovo::String BuildPvaCalcFormula() = 0;
    // A new calculation object of the host (answering ICalcObjectText), made by the host's class
    // registry for the module's calculation object class; one reference for the caller, null when the
    // host gives none.
    virtual IUnknown* CreateCalculationObject() = 0;

protected:
    ~ILoopDataDocument() = default;
};

} // namespace Tarvik
