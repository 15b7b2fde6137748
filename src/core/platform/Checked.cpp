// The run-time errors of the checked values and arrays.
#include "core/platform/Checked.h"

#include <string>

namespace tolvane {

void ThrowOverflow(long long value, int bits)
{
    throw RuntimeError(ErrorKind::Overflow,
                       "Overflow (" + std::to_string(value) + " does not fit in " + std::to_string(bits) + " bits)");
}

void ThrowSubscript(long long index, long long lo, long long hi)
{
    throw RuntimeError(ErrorKind::SubscriptOutOfRange, "Subscript out of range (" + std::to_string(index) + " not in " +
                                                           std::to_string(lo) + ".." + std::to_string(hi) + ")");
}

}  // namespace tolvane
