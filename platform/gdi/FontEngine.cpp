#include "platform/gdi/FontEngine.h"

#include <stdexcept>
#include <string_view>

#include "platform/gdi/FontFace.h"
#include "platform/gdi/FontInstance.h"

namespace gdi {
namespace {

struct PinnedFile {
    const char* name;
    std::uintmax_t size;
    std::uint64_t fnv1a;
};

// DejaVu fonts 2.37 as Debian's fonts-dejavu-core ships them.
constexpr const char* kFontDir = "/usr/share/fonts/truetype/dejavu/";
constexpr std::array<PinnedFile, 4> kPinned{{
    {"DejaVuSans.ttf", 759720, 0xadadfef763426946ull},
    {"DejaVuSans-Bold.ttf", 708920, 0x1b3be1b9d0324063ull},
    {"DejaVuSans-Oblique.ttf", 637648, 0x6757f6f79354ec09ull},
    {"DejaVuSans-BoldOblique.ttf", 645600, 0xed7c72529ac8d691ull},
}};

} // namespace

struct FontEngine::Library {
    FT_Library handle = nullptr;
    Library() {
        if (FT_Init_FreeType(&handle) != 0)
            throw std::runtime_error("FreeType does not start");
    }
    ~Library() { FT_Done_FreeType(handle); }
};

FontEngine& FontEngine::Instance() {
    static FontEngine engine;
    return engine;
}

FontEngine::FontEngine() : mLibrary(std::make_unique<Library>()) {
    for (std::size_t i = 0; i < kPinned.size(); ++i)
        mFaces[i] = std::make_unique<FontFace>(mLibrary->handle, std::string(kFontDir) + kPinned[i].name,
                                               kPinned[i].size, kPinned[i].fnv1a);
}

FontEngine::~FontEngine() {
    mInstances.clear();
    for (auto& face : mFaces)
        face.reset();
}

int FontEngine::FaceFor(const LOGFONTW& font) {
    static constexpr std::u16string_view kSemibold = u"Segoe UI Semibold";
    const bool bold = font.lfWeight >= FW_SEMIBOLD || std::u16string_view(font.lfFaceName) == kSemibold;
    return (bold ? 1 : 0) + (font.lfItalic ? 2 : 0);
}

FontFace& FontEngine::Face(int index) {
    return *mFaces.at(static_cast<std::size_t>(index));
}

std::shared_ptr<FontInstance> FontEngine::Sized(int face, int em) {
    auto& slot = mInstances[{face, em}];
    if (!slot)
        slot = std::make_shared<FontInstance>(Face(face), em);
    return slot;
}

} // namespace gdi
