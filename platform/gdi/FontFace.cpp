#include "platform/gdi/FontFace.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <vector>

#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H

namespace gdi {
namespace {

// The file in one read into room of its size; a file that changes meanwhile reads what it holds.
std::vector<char> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        throw std::runtime_error("pinned font missing: " + path + " (install fonts-dejavu-core)");
    std::vector<char> bytes(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)));
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.gcount() == static_cast<std::streamsize>(bytes.capacity()) &&
        in.peek() != std::ifstream::traits_type::eof())
        bytes.insert(bytes.end(), std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return bytes;
}

std::uint64_t Fnv1a(const std::vector<char>& bytes) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001b3ull;
    }
    return h;
}

void CheckPin(const std::string& path, std::uintmax_t size, std::uint64_t fnv1a) {
    const std::vector<char> bytes = ReadAll(path);
    const std::uint64_t hash = Fnv1a(bytes);
    if (bytes.size() == size && hash == fnv1a)
        return;
    std::ostringstream msg;
    msg << "pinned font differs: " << path << " has " << bytes.size() << " bytes, FNV-1a 0x" << std::hex
        << hash << "; expected " << std::dec << size << " bytes, 0x" << std::hex << fnv1a
        << ". Text metrics would change: update the pin only on purpose.";
    throw std::runtime_error(msg.str());
}

} // namespace

FontFace::FontFace(FT_Library library, const std::string& path, std::uintmax_t size, std::uint64_t fnv1a) {
    CheckPin(path, size, fnv1a);
    if (FT_New_Face(library, path.c_str(), 0, &mFace) != 0)
        throw std::runtime_error("FreeType cannot open " + path);
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(mFace, FT_SFNT_OS2));
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(mFace, FT_SFNT_HHEA));
    const auto* post = static_cast<const TT_Postscript*>(FT_Get_Sfnt_Table(mFace, FT_SFNT_POST));
    if (!os2 || !hhea || !post) {
        FT_Done_Face(mFace);
        throw std::runtime_error("font lacks OS/2, hhea or post table: " + path);
    }
    mMetrics.unitsPerEm = mFace->units_per_EM;
    mMetrics.winAscent = os2->usWinAscent;
    mMetrics.winDescent = os2->usWinDescent;
    mMetrics.hheaAscender = hhea->Ascender;
    mMetrics.hheaDescender = hhea->Descender;
    mMetrics.hheaLineGap = hhea->Line_Gap;
    mMetrics.avgCharWidth = os2->xAvgCharWidth;
    mMetrics.maxAdvance = hhea->advance_Width_Max;
    mMetrics.underlinePosition = post->underlinePosition;
    mMetrics.underlineThickness = post->underlineThickness;
    mMetrics.strikeoutPosition = os2->yStrikeoutPosition;
    mMetrics.strikeoutSize = os2->yStrikeoutSize;
}

FontFace::~FontFace() {
    FT_Done_Face(mFace);
}

unsigned FontFace::GlyphIndex(char32_t c) const {
    return FT_Get_Char_Index(mFace, c);
}

int FontFace::AdvanceUnits(unsigned glyph) const {
    FT_Fixed advance = 0;
    if (FT_Get_Advance(mFace, glyph, FT_LOAD_NO_SCALE, &advance) != 0)
        return 0;
    return static_cast<int>(advance);
}

} // namespace gdi
