#pragma once
// The class objects of the twelve step models, one per model id: the factory
// through which the document makes its models and a model makes the snapshot
// of a change. The list is made on first use and lives as long as the module.

#include <cstdint>

#include "workflow/Model.h"

namespace Tarvik {

class ModelDocument;

class ModelClassObj {
public:
    virtual ~ModelClassObj() = default;
    // A new model (count 0) for the document.
    virtual Model* CreateObject(ModelDocument* document) const = 0;
    // The model id the class makes.
    virtual std::uint32_t GetClassId() const = 0;

    ModelClassObj* next = nullptr;
};

// The head of the list of the step models' class objects, the newest first.
const ModelClassObj* ModelClassObjects();

// A new object of the first class on the list whose id is classId, made for document; null when no
// class has the id.
Model* CreateRegisteredObject(std::uint32_t classId, ModelDocument* document);

} // namespace Tarvik
