#pragma once
// The module's exit-time list: work registered to run "at process exit" runs
// when the module's statics are torn down (library detach), newest first.

#include <functional>

namespace Tarvik {

void AtModuleExit(std::function<void()> action);
// Runs and forgets every registered action, the last registered first.
void RunModuleExitList();

} // namespace Tarvik
