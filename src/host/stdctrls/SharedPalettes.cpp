#include "host/stdctrls/SharedPalettes.h"

#include <QCoreApplication>

#include <algorithm>

namespace Orvo {

TSharedPalettes::TSharedPalettes(std::size_t capacity) : FCapacity(std::max<std::size_t>(capacity, 1)) {}

QPalette TSharedPalettes::Shared(const QPalette& palette) {
    // QPalette's equality compares the brushes of every group and role; the
    // current colour group is the caller's state, not part of the identity.
    auto found = std::find(FPalettes.begin(), FPalettes.end(), palette);
    if (found != FPalettes.end()) {
        FPalettes.splice(FPalettes.begin(), FPalettes, found);
    } else {
        FPalettes.push_front(palette);
        if (FPalettes.size() > FCapacity) FPalettes.pop_back();
    }
    QPalette shared = FPalettes.front();
    shared.setCurrentColorGroup(palette.currentColorGroup());
    return shared;
}

namespace {

TSharedPalettes& StylePalettes() {
    static TSharedPalettes pool(32);
    return pool;
}

// A palette's brushes may hold pictures, which must go while the
// application object still exists.
void ReleaseStylePalettes() { StylePalettes().Clear(); }

}  // namespace

QPalette SharedStylePalette(const QPalette& palette) {
    static const bool releasedAtExit = [] {
        qAddPostRoutine(ReleaseStylePalettes);
        return true;
    }();
    (void)releasedAtExit;
    return StylePalettes().Shared(palette);
}

}  // namespace Orvo
