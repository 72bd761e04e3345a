#pragma once
// Number punctuation without grouping whose decimal point and thousands
// separator are the user's own (from the regional settings) rather than those
// of the named runtime locale, which may not know the user's settings.

#include "core/NoThousandsSep.h"

template <class CharT> class CRTBug_UserRadix_NoThousandsSep : public NoThousandsSep<CharT> {
public:
    CRTBug_UserRadix_NoThousandsSep(const char* name, CharT decimalPoint, CharT thousandsSep,
                                    std::size_t refs = 0)
        : NoThousandsSep<CharT>(name, refs), mDecimalPoint(decimalPoint), mThousandsSep(thousandsSep) {}

protected:
    CharT do_decimal_point() const override { return mDecimalPoint; }
    CharT do_thousands_sep() const override { return mThousandsSep; }

private:
    CharT mDecimalPoint;
    CharT mThousandsSep;
};
