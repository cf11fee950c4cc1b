#include "framework/win/shell_functions.h"

namespace fw::shell_functions {

void ItemIdListDeleter::operator()(ITEMIDLIST* list) const
{
    if (const auto free = comFunction<CoTaskMemFreeFn>("CoTaskMemFree"))
        free(list);
}

}  // namespace fw::shell_functions
