#include "tableview/CellData.h"

#include <string>

namespace TVF_Grid {

void TVF_CellUint32Data::SetValue(std::uint32_t value) {
    mValue = value;
    mText = Ovo::String(std::to_string(static_cast<std::int32_t>(value)).c_str());
}

} // namespace TVF_Grid
