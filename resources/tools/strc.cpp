// Compiles a string-table source file into a C++ source holding its entries:
//   strc INPUT OUTPUT NAMESPACE FUNCTION HEADER
// writes OUTPUT defining `std::span<const StringResource> NAMESPACE::FUNCTION()`,
// declared in HEADER. Escapes are decoded here, once, at build time.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "resources/tools/StringTableParser.h"

namespace {

// A UTF-16 literal body: printable ASCII as is, everything else as \x escapes,
// each closing its literal so that a following hex digit cannot join it.
std::string Literal(const std::u16string& text) {
    std::string out = "u\"";
    for (char16_t c : text) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\' && c != '?') {
            out.push_back(static_cast<char>(c));
            continue;
        }
        char buf[16];
        std::snprintf(buf, sizeof buf, "\\x%04X\" u\"", static_cast<unsigned>(c));
        out += buf;
    }
    return out + "\"";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::cerr << "usage: strc INPUT OUTPUT NAMESPACE FUNCTION HEADER\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    std::vector<Tarvik::Resources::ParsedString> entries;
    try {
        entries = Tarvik::Resources::ParseStringTable(in);
    } catch (const std::exception& e) {
        std::cerr << argv[1] << ": " << e.what() << "\n";
        return 1;
    }
    std::ostringstream out;
    out << "// Generated from " << argv[1] << "; do not edit.\n"
        << "#include \"" << argv[5] << "\"\n\n"
        << "namespace " << argv[3] << " {\n\n";
    if (entries.empty()) {
        out << "std::span<const StringResource> " << argv[4] << "() { return {}; }\n";
    } else {
        out << "namespace {\nconstexpr StringResource kEntries[] = {\n";
        for (const auto& e : entries)
            out << "    {" << e.id << ", " << e.language << ", " << Literal(e.text) << "},\n";
        out << "};\n} // namespace\n\n"
            << "std::span<const StringResource> " << argv[4] << "() { return kEntries; }\n";
    }
    out << "\n} // namespace " << argv[3] << "\n";
    std::ofstream file(argv[2]);
    file << out.str();
    return file ? 0 : 1;
}
