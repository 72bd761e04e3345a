#pragma once
// Text faces: every face name maps to the pinned DejaVu Sans family (weight
// 600 and above to Bold, italic to Oblique). The four files are checked
// against their pinned size and hash when the engine first starts, and it
// refuses to start when one differs. Sizes are in device pixels (96 dpi
// unless the device context says otherwise; the caller converts points).

#include <array>
#include <map>
#include <memory>
#include <utility>

#include "platform/gdi/constants.h"
#include "platform/gdi/structs.h"

namespace gdi {

class FontFace;
class FontInstance;

class FontEngine {
public:
    static FontEngine& Instance();

    // Face 0 regular, 1 bold, 2 oblique, 3 bold oblique.
    static int FaceFor(const LOGFONTW& font);
    FontFace& Face(int index);
    std::shared_ptr<FontInstance> Sized(int face, int em);

    FontEngine(const FontEngine&) = delete;
    FontEngine& operator=(const FontEngine&) = delete;

private:
    FontEngine();
    ~FontEngine();

    struct Library;
    std::unique_ptr<Library> mLibrary;
    std::array<std::unique_ptr<FontFace>, 4> mFaces;
    std::map<std::pair<int, int>, std::shared_ptr<FontInstance>> mInstances;
};

} // namespace gdi
