#pragma once
// A module: a loaded library or the module's own image, with its instance
// handle. Libraries are the platform's in-process libraries, found by file
// name: the visual-styles library ("uxtheme.dll") is one of them.

#include <string>

#include "platform/win32/types.h"

namespace OWL {

class TModule {
public:
    // A module over an instance the caller already has (the library's own).
    TModule(LPCWSTR name, HINSTANCE instance);
    // Loads the library of that name when loadNow is set; with mustLoad a
    // library that cannot be loaded throws TXInvalidModule. addToList is
    // accepted for the framework's module list, which nothing here reads.
    TModule(LPCWSTR name, bool loadNow, bool mustLoad = true, bool addToList = true);
    virtual ~TModule();
    TModule(const TModule&) = delete;
    TModule& operator=(const TModule&) = delete;

    HINSTANCE GetHandle() const { return mInstance; }
    HINSTANCE GetInstance() const { return mInstance; }
    operator HINSTANCE() const { return mInstance; }
    const std::u16string& GetName() const { return mName; }
    // Whether the module holds a library it loaded.
    bool IsLoaded() const { return mLibrary != nullptr; }

    // The address of an exported entry by its ANSI name; null when there is none.
    void* GetProcAddress(LPCSTR name) const;

private:
    std::u16string mName;
    HINSTANCE mInstance = nullptr;
    const void* mLibrary = nullptr; // the in-process library loaded, if any
};

} // namespace OWL
