#pragma once
// What the step models and calibrators need of the document that owns them.
// The module's document implements it; so may a test.

#include <cstdint>

#include "core/ChannelUnitCache.h"
#include "workflow/Model.h"

namespace Tarvik {

class ModelDocument : public Ovo::ChannelUnitOwner {
public:
    // The model of id, made through its class object (ModelClassObjects.h), kept and observed by
    // the document when it is missing; empty for an id without a class.
    virtual ModelPtr GetModel(std::int32_t id) = 0;
    // The set-up model (id 1) when there is one; never makes it.
    virtual ModelPtr FindModel() = 0;
    // Called by a committed change before its notifications: brings the document's settings up to
    // date and marks them to be saved.
    virtual void EnsureSettingsLoaded() = 0;
    // True for the whole of a settings load; models ignore the changes of the models they observe
    // meanwhile.
    virtual bool IsLoadingSettings() const = 0;
    // The number of channels of the host's data (the set-up model's test that its channels exist).
    virtual std::int32_t GetHostChannelCount() = 0;
    // Whether the calculation of the channel (number, with kind 0xC0000000 for a channel) depends on
    // the module's own analysis: choosing it would make the analysis depend on itself.
    virtual bool IsChannelFlaggedAtPosition(std::uint32_t number, std::uint32_t kind) = 0;

    // The analysed region of the set-up model: parameters 59 and 60 (tick, record), and parameter
    // 27 == 1 (the whole channel). Without a set-up model, an empty region.
    void AnalysisRange(Position& start, Position& end, bool& wholeRecording) override;

protected:
    ~ModelDocument() = default;
};

} // namespace Tarvik
