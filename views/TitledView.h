#pragma once
// A module view whose title is string TitleId of the module's string table,
// loaded once; until the view draws more it shows that title.

#include "views/TarvikViewBase.h"

namespace Tarvik {

template <UINT TitleId, class Base = TarvikViewBase> class TitledView : public Base {
public:
    using Base::Base;

    static const Ovo::String& GetTitle() {
        static const Ovo::String title = LoadViewTitle(TitleId);
        return title;
    }

protected:
    const Ovo::String& ViewTitle() const override { return GetTitle(); }
};

} // namespace Tarvik
