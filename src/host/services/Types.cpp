#include "host/services/Types.h"

#include <algorithm>

namespace Orvo {

bool IntersectRect(TRect& dst, const TRect& a, const TRect& b) {
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
    if (r.IsEmpty()) {
        dst = TRect{};
        return false;
    }
    dst = r;
    return true;
}

bool UnionRect(TRect& dst, const TRect& a, const TRect& b) {
    if (a.IsEmpty()) { dst = b.IsEmpty() ? TRect{} : b; return !b.IsEmpty(); }
    if (b.IsEmpty()) { dst = a; return true; }
    dst = TRect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
    return true;
}

bool PtInRect(const TRect& r, TPoint p) { return r.Contains(p); }

}  // namespace Orvo
