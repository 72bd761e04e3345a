#pragma once
// A detector bound into the framework. D provides:
//   D::Params  derived from EEH3::ParamsBase (copyable: the copy has no sources)
//   D::State   derived from EEH3::State<D::State>, constructible from its first resume tick
//   D::Event   the event record (an OvoEventBase-headed, trivially copyable record)
//   static bool D::Step(D::State&, D::Params&, D::Event&)  true when the event holds a new event
// and may provide
//   static constexpr WORD D::kDrawClassNumber  its events' drawing class (analysis/EventDrawClasses.h)

#include <cstring>
#include <type_traits>

#include "analysis/CalcEnumDescriptor.h"
#include "analysis/EEH3EnumeratorBase.h"

namespace EEH3 {

template <class D> class EEH3Enumerator : public EEH3EnumeratorBase {
public:
    using DetectorParams = typename D::Params;
    using DetectorState = typename D::State;
    using Event = typename D::Event;
    static_assert(std::is_trivially_copyable_v<Event>);
    static_assert(std::is_base_of_v<ParamsBase, DetectorParams> &&
                  std::is_base_of_v<StateBase, DetectorState>);

    explicit EEH3Enumerator(ICAFClassObject* classObject) : EEH3EnumeratorBase(classObject) {}

    HRESULT GetDrawClassId(DWORD* id) override {
        if constexpr (requires { D::kDrawClassNumber; })
            return Answer(id, CalcEnums::EventDrawClassId(D::kDrawClassNumber));
        else
            return Answer(id, DWORD{0});
    }

protected:
    ParamsBase& Params() override { return mParams; }
    std::unique_ptr<StateBase> NewState(std::int32_t tick) const override {
        return std::make_unique<DetectorState>(tick);
    }
    bool RunStep(StateBase& state, unsigned char* event) override {
        Event out;
        if (!D::Step(static_cast<DetectorState&>(state), mParams, out))
            return false;
        std::memcpy(event, static_cast<const void*>(&out), sizeof out);
        return true;
    }
    std::uint32_t EventSize() const override { return sizeof(Event); }
    EEH3EnumeratorBase* NewClone() const override { return new EEH3Enumerator(*this); }

private:
    EEH3Enumerator(const EEH3Enumerator& other) : EEH3EnumeratorBase(other), mParams(other.mParams) {}

    DetectorParams mParams;
};

} // namespace EEH3
