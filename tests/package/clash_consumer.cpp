// A program with names of its own that the library also uses (as a program
// written for another toolkit's headers has them) includes the whole library
// and uses both: nothing the library installs may reach the global namespace.
struct TRect {
    int left;
};
constexpr unsigned RGB(unsigned r, unsigned g, unsigned b) { return r | g << 8 | b << 16; }
int DrawText(const char* text) { return text ? 1 : 0; }
struct ProgramApplication {
    int windows = 0;
};
ProgramApplication* Application = nullptr;

#include <OrvoControls/OrvoControls.h>

int main() {
    const TRect mine{RGB(1, 0, 0) > 0 ? 1 : 0};
    const Orvo::TRect theirs = Orvo::Rect(0, 0, 10, 10);
    // A function the library exports, so the link proves the installed library too.
    const Orvo::COLORREF white = Orvo::ColorToRGB(Orvo::clWhite);
    return mine.left + DrawText(nullptr) + (Application == nullptr ? 0 : 1) + (theirs.Width() == 10 ? 0 : 1) +
                   (white == Orvo::RGB(255, 255, 255) ? 0 : 1) - 1;
}
