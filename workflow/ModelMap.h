#pragma once
// A document's step models by id: each made on first request through the step
// models' class objects and observed by the document from then on.

#include <cstdint>
#include <map>

#include "workflow/Model.h"

namespace Tarvik {

class ModelDocument;

class ModelMap {
public:
    ModelMap() = default;
    ModelMap(const ModelMap&) = delete;
    ModelMap& operator=(const ModelMap&) = delete;

    // The kept model of id; when there is none, a new one made for document, kept, and observed by
    // observer. Empty, keeping nothing, for an id without a class.
    ModelPtr GetModel(std::int32_t id, ModelDocument* document, IObserver* observer);
    // The kept model of id, or an empty pointer; never makes one.
    ModelPtr Find(std::int32_t id) const;
    std::size_t Count() const { return mModels.size(); }
    // Lets every model go.
    void Clear() { mModels.clear(); }

    template <class Visit> void ForEach(Visit visit) const {
        for (const auto& [id, model] : mModels)
            visit(id, model);
    }

private:
    std::map<std::int32_t, ModelPtr> mModels;
};

} // namespace Tarvik
