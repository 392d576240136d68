// The start-up check of the display setting.
#include "display_check.h"

#include <cmath>

namespace plumaro {

int twipsPerPixel(int pixelsPerInch) {
    if (pixelsPerInch <= 0)
        return 0;
    const double exact = 1440.0 / pixelsPerInch;
    const double below = std::floor(exact);
    const double fraction = exact - below;
    const bool roundUp = fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0);
    return static_cast<int>(roundUp ? below + 1 : below);
}

bool isLargeFontsSetting(int pixelsPerInchX) { return twipsPerPixel(pixelsPerInchX) == 12; }

} // namespace plumaro
