#pragma once
// One palette object per set of colours, for styles that draw supplied
// widgets.
//
// The desktop style caches the pictures it draws (a combo box's face, its
// arrow) under string keys that include the identity of the palette drawn
// with, and every widget gets a palette of a new identity whenever it is made
// or recoloured, even with the same colours. Qt 6.4's pixmap cache keeps every
// string key it was ever given, also after the picture under it was evicted,
// so a window re-created over and over grows the cache's key table for good.
// Drawing with the pooled palette of the same colours makes the keys repeat:
// the table stays as small as the number of looks, and equal controls share
// their cached pictures.

#include <QPalette>

#include <cstddef>
#include <list>

namespace Orvo {

class TSharedPalettes {
public:
    explicit TSharedPalettes(std::size_t capacity);

    // The pooled palette with the same brushes as `palette` in every colour
    // group (and its current colour group), `palette` itself becoming the
    // pooled one when there is none. Past the capacity the palette used
    // least recently leaves the pool.
    QPalette Shared(const QPalette& palette);

    std::size_t Count() const { return FPalettes.size(); }
    void Clear() { FPalettes.clear(); }

private:
    std::size_t FCapacity;
    std::list<QPalette> FPalettes;  // the most recently used first
};

// The application's pool, shared by the host's styles. Enough for every look
// a program's supplied controls take at once; more looks than that in turn
// only cost cache entries again.
QPalette SharedStylePalette(const QPalette& palette);

}  // namespace Orvo
