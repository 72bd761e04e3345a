#pragma once
// Number punctuation of a named locale without digit grouping: numbers are
// written without thousands separators.

#include <locale>
#include <string>

template <class CharT> class NoThousandsSep : public std::numpunct_byname<CharT> {
public:
    explicit NoThousandsSep(const char* name, std::size_t refs = 0)
        : std::numpunct_byname<CharT>(name, refs) {}

protected:
    std::string do_grouping() const override { return std::string(); }
};
