#pragma once
// The common body of a calculation class object: ICalcEnumClass2 (with ICAFClassObject) and
// ICalcEnumNumericParams answered from a plain description record. What differs between the sides
// comes in through a traits type:
//
//   struct Traits {
//       using Text = ...;   // the texts of the description
//       using Param = ...;  // a parameter row with fields name, minimum, maximum, kind
//       using Base = ...;   // the reference counting over ICalcEnumClass2 and ICalcEnumNumericParams:
//                           // it answers IUnknown with ICalcEnumClass2 and every other id with find()
//       static IAutoOvoString* String(const Text&);   // also called with a std::string_view (ASCII)
//       static BSTR Bstr(const Text&);
//   };
//
// A class object overrides CreateEnumerator; the rest has defaults: the class id of the record,
// no aggregation, outputs past the list answering "ALEND".

#include <span>
#include <string_view>

#include "platform/vantrel/ICalcEnumClass2.h"
#include "platform/vantrel/ICalcEnumNumericParams.h"

namespace CalcClass {

// A parameter row: sources have the range (0, 0).
template <class Text> struct ParamRow {
    Text name;
    double minimum;
    double maximum;
    DWORD kind; // kCalcParamSamples or kCalcParamEvents
};

template <class Text, class Param> struct Description {
    Text name{};
    Text description{};
    DWORD classId = 0;
    std::span<const Param> params{}; // formula order; the first sourceCount are sources
    LONG sourceCount = 0;
    std::span<const Text> outputs{}; // output (event type) names
    DWORD flags = 0;                 // first flag word of GetParamInfo
    DWORD argFlags = 0;              // second flag word
    DWORD outputKind = 0;
};

// Reference counting of a class object that lives as long as its module: AddRef and Release do
// nothing. QueryInterface answers IUnknown with the first interface and every other id with find().
template <class First, class... Others> class StaticObject : public First, public Others... {
public:
    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (!out)
            return E_POINTER;
        *out = iid == IID_IUnknown ? static_cast<First*>(this) : find(iid);
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }

protected:
    ~StaticObject() = default;
    virtual void* find(REFIID iid) = 0;
};

inline constexpr std::string_view kEndOfOutputs = "ALEND";

template <class Traits> class Object : public Traits::Base {
public:
    using Text = typename Traits::Text;
    using Param = typename Traits::Param;
    using Record = Description<Text, Param>;

    explicit Object(const Record& record = {}) : mRecord(record) {}

    HRESULT GetClassId(DWORD* id) override {
        if (!id)
            return E_POINTER;
        *id = mRecord.classId;
        return S_OK;
    }
    HRESULT GetTypeGuid(const GUID** type) override {
        if (!type)
            return E_POINTER;
        *type = &kCalcEnumClassType;
        return S_OK;
    }
    HRESULT GetNameBSTR(BSTR* name) override {
        if (!name)
            return E_POINTER;
        SysFreeString(*name);
        *name = Traits::Bstr(mRecord.name);
        return S_OK;
    }
    HRESULT IsTypeGuid(const GUID* type) override {
        return type && (type == &kCalcEnumClassType || *type == kCalcEnumClassType) ? S_OK : S_FALSE;
    }
    HRESULT GetName(IAutoOvoString** name) override { return HandOut(mRecord.name, name); }
    HRESULT GetDescription(IAutoOvoString** text) override { return HandOut(mRecord.description, text); }
    DWORD GetOutputKind() override { return mRecord.outputKind; }
    HRESULT CreateAggregated(IUnknown*, IUnknown*, IUnknown** inner) override {
        if (inner)
            *inner = nullptr;
        return CLASS_E_NOAGGREGATION;
    }

    HRESULT GetOutputName(LONG index, IAutoOvoString** name) override {
        if (index >= 0 && static_cast<std::size_t>(index) < mRecord.outputs.size())
            return HandOut(mRecord.outputs[static_cast<std::size_t>(index)], name);
        return HandOut(kEndOfOutputs, name);
    }
    HRESULT GetParamInfo(IAutoOvoString** name, DWORD* classId, LONG* paramCount, LONG* sourceCount,
                         DWORD* flags, DWORD* argFlags) override {
        if (name)
            GetName(name);
        if (classId)
            GetClassId(classId);
        if (paramCount)
            *paramCount = static_cast<LONG>(mRecord.params.size());
        if (sourceCount)
            *sourceCount = mRecord.sourceCount;
        if (flags)
            *flags = mRecord.flags;
        if (argFlags)
            *argFlags = mRecord.argFlags;
        return S_OK;
    }
    HRESULT GetParam(LONG index, double* maximum, double* minimum, DWORD* kind,
                     IAutoOvoString** name) override {
        if (index < 0 || static_cast<std::size_t>(index) >= mRecord.params.size())
            return E_INVALIDARG;
        const Param& row = mRecord.params[static_cast<std::size_t>(index)];
        if (maximum)
            *maximum = row.maximum;
        if (minimum)
            *minimum = row.minimum;
        if (kind)
            *kind = row.kind;
        if (name)
            HandOut(row.name, name);
        return S_OK;
    }
    HRESULT CheckSourceKind(LONG index, DWORD kind) override {
        if (index < 0 || index >= mRecord.sourceCount)
            return E_INVALIDARG;
        return (kind & mRecord.params[static_cast<std::size_t>(index)].kind) != 0 ? S_OK : S_FALSE;
    }

protected:
    ~Object() = default;

    void* find(REFIID iid) override {
        if (iid == IID_ICalcEnumClass2 || iid == IID_ICAFClassObject)
            return static_cast<ICalcEnumClass2*>(this);
        if (iid == IID_ICalcEnumNumericParams)
            return static_cast<ICalcEnumNumericParams*>(this);
        return nullptr;
    }

    template <class T> static HRESULT HandOut(const T& text, IAutoOvoString** out) {
        if (!out)
            return E_POINTER;
        *out = Traits::String(text);
        return S_OK;
    }

    Record mRecord;
};

} // namespace CalcClass
