#pragma once
// The interface array the module declares for each interface it collects
// (message handlers, commands, unit names, ...).

#include "core/InterfaceArrayBase.h"

template <class I> class InterfaceArray : public InterfaceArrayBase<I> {
public:
    using InterfaceArrayBase<I>::InterfaceArrayBase;
};
