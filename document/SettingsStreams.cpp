#include "document/SettingsStreams.h"

#include "core/StorageBinIStreamLite.h"
#include "core/StorageBinOStreamLite.h"
#include "core/XOvo.h"
#include "document/LegacySettings.h"
#include "document/TarvikDocument.h"
#include "workflow/ModelClassObjects.h"
#include "workflow/ModelMap.h"
#include "workflow/ModelState.h"
#include "workflow/PressureCalibrator.h"
#include "workflow/VolumeCalibrator.h"

namespace Tarvik {

namespace {

// Models and unit caches of their own, into which a stream is read to check it: fresh models made
// for this stand-in document observe only each other and change nothing of the real document's.
class SettingsCheck final : public ModelDocument {
public:
    explicit SettingsCheck(TarvikDocument& document) : mDocument(document) {}
    ~SettingsCheck() override { mModels.Clear(); }

    ModelPtr GetModel(std::int32_t id) override { return mModels.GetModel(id, this, nullptr); }
    ModelPtr FindModel() override { return mModels.Find(kSetupModel); }
    void EnsureSettingsLoaded() override {}
    bool IsLoadingSettings() const override { return true; }
    std::int32_t GetHostChannelCount() override { return mDocument.GetHostChannelCount(); }
    bool IsChannelFlaggedAtPosition(std::uint32_t, std::uint32_t) override { return false; }
    IUnitService* UnitService() override { return mDocument.UnitService(); }
    IDocumentData* DocumentData() override { return mDocument.DocumentData(); }
    IUnknown* FindUnitElsewhere(std::int32_t, Position, Position) override { return nullptr; }

    Ovo::ChannelUnitCache volumeUnits{*this};
    Ovo::ChannelUnitCache pressureUnits{*this};
    std::uint32_t markerChannel = 0;

private:
    TarvikDocument& mDocument;
    ModelMap mModels;
};

// Where a stream is read to: the check's models and caches, or the document's.
struct Target {
    ModelDocument& models;
    Ovo::ChannelUnitCache& volumeUnits;
    Ovo::ChannelUnitCache& pressureUnits;
    std::uint32_t& markerChannel;
};

// The stream's models, states, units (stream 0) and trailer after its version word.
HRESULT ReadStates(Ovo::BinIStream& in, DWORD version, bool extra, const Target& target) {
    const DWORD count = in.ReadU32();
    // Each model takes at least its id.
    if (!in.Good() || !ModelState::CountFits(in, count, 4))
        return OVO_E_UNEXPECTED_DATA;
    for (DWORD i = 0; i < count; ++i) {
        const DWORD id = in.ReadU32();
        const ModelPtr model = in.Good() && id <= 0x7FFFFFFF
                                   ? target.models.GetModel(static_cast<std::int32_t>(id))
                                   : ModelPtr();
        if (!model)
            return OVO_E_UNEXPECTED_DATA;
        const bool loaded = extra ? model->LoadExtraState(in, version) : model->LoadState(in, version);
        if (!loaded || !in.Good())
            return OVO_E_UNEXPECTED_DATA;
    }
    if (!extra) {
        if (const HRESULT hr = target.volumeUnits.Load(&in); hr != S_OK)
            return hr;
        if (const HRESULT hr = target.pressureUnits.Load(&in); hr != S_OK)
            return hr;
        const DWORD marker = in.ReadU32();
        if (!in.Good())
            return OVO_E_UNEXPECTED_DATA;
        target.markerChannel = marker;
    }
    const DWORD trailer = in.ReadU32();
    return in.Good() && trailer == version ? S_OK : OVO_E_UNEXPECTED_DATA;
}

bool SeekTo(IStream* stream, ULONGLONG position) {
    LARGE_INTEGER move{};
    move.QuadPart = static_cast<LONGLONG>(position);
    return SUCCEEDED(stream->Seek(move, STREAM_SEEK_SET, nullptr));
}

HRESULT LoadLegacy(TarvikDocument& document, IStream* stream, bool extra) {
    StorageBinIStreamLite in(stream);
    return extra ? LoadLegacyExtraSettings(in, document) : LoadLegacyMainSettings(in, document);
}

HRESULT LoadCurrent(TarvikDocument& document, IStream* stream, ULONGLONG start, bool extra) {
    {
        SettingsCheck check(document);
        StorageBinIStreamLite in(stream);
        const DWORD version = in.ReadU32();
        if (const HRESULT hr = ReadStates(
                in, version, extra, {check, check.volumeUnits, check.pressureUnits, check.markerChannel});
            hr != S_OK)
            return hr;
    }
    if (!SeekTo(stream, start))
        return OVO_E_UNEXPECTED_DATA;
    StorageBinIStreamLite in(stream);
    const DWORD version = in.ReadU32();
    std::uint32_t marker = document.GetMarkerChannel();
    const HRESULT hr = ReadStates(
        in, version, extra,
        {document, document.GetVolumeCalibrator().Cache(), document.GetPressureCalibrator().Cache(), marker});
    document.SetMarkerChannel(marker);
    return hr;
}

} // namespace

HRESULT SaveSettingsStream(TarvikDocument& document, IStream* stream, bool extra) {
    StorageBinOStreamLite out(stream, true);
    const DWORD version = extra ? kExtraSettingsVersion : kMainSettingsVersion;
    ModelState::Write(out, static_cast<std::uint32_t>(version));
    ModelState::Write(out, static_cast<std::uint32_t>(document.ModelCount()));
    document.ForEachModel([&](std::int32_t id, const ModelPtr& model) {
        ModelState::Write(out, static_cast<std::uint32_t>(id));
        if (extra)
            model->SaveExtraState(out);
        else
            model->SaveState(out);
    });
    if (!extra) {
        document.GetVolumeCalibrator().Cache().Save(&out);
        document.GetPressureCalibrator().Cache().Save(&out);
        ModelState::Write(out, document.GetMarkerChannel());
    }
    ModelState::Write(out, static_cast<std::uint32_t>(version));
    out.Flush();
    return out.Good() ? S_OK : STG_E_WRITEFAULT;
}

HRESULT LoadSettingsStream(TarvikDocument& document, IStream* stream, bool extra) {
    ULARGE_INTEGER start{};
    if (stream == nullptr || FAILED(stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_CUR, &start)))
        return OVO_E_UNEXPECTED_DATA;
    DWORD version = 0;
    {
        StorageBinIStreamLite in(stream);
        version = in.ReadU32();
        if (!in.Good() || version == 0)
            return OVO_E_UNEXPECTED_DATA;
    }
    const DWORD current = extra ? kExtraSettingsVersion : kMainSettingsVersion;
    if (version > current)
        return OVO_E_PERSISTED_DATA;
    if (!SeekTo(stream, start.QuadPart))
        return OVO_E_UNEXPECTED_DATA;
    try {
        if (version < (extra ? kOldestExtraLayout : kMainSettingsVersion))
            return LoadLegacy(document, stream, extra);
        return LoadCurrent(document, stream, start.QuadPart, extra);
    } catch (const XOvo& error) {
        return error.Code();
    }
}

} // namespace Tarvik
