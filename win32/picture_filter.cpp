// Filtering a picture to another size with a box filter.
#include "picture_filter.h"

#include <algorithm>
#include <cmath>

namespace plumaro {

namespace {

// The old pixels, along one side, under a new pixel's footprint: the first
// of them and the share of the footprint each covers.
struct Footprint {
    int first = 0;
    std::vector<double> shares;
};

std::vector<Footprint> footprints(int from, int to) {
    std::vector<Footprint> all(static_cast<std::size_t>(to));
    const double step = static_cast<double>(from) / to;
    for (int at = 0; at < to; ++at) {
        const double start = at * step, end = (at + 1) * step;
        Footprint &footprint = all[static_cast<std::size_t>(at)];
        footprint.first = static_cast<int>(std::floor(start));
        const int last = std::min(from - 1, static_cast<int>(std::ceil(end)) - 1);
        for (int old = footprint.first; old <= last; ++old)
            footprint.shares.push_back((std::min(end, old + 1.0) - std::max(start, static_cast<double>(old))) / step);
    }
    return all;
}

int channel(std::uint32_t colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

} // namespace

RgbPicture filtered(const RgbPicture &picture, int width, int height) {
    const std::vector<Footprint> across = footprints(picture.width, width);
    const std::vector<Footprint> down = footprints(picture.height, height);
    RgbPicture result{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    for (int y = 0; y < height; ++y) {
        const Footprint &rows = down[static_cast<std::size_t>(y)];
        for (int x = 0; x < width; ++x) {
            const Footprint &columns = across[static_cast<std::size_t>(x)];
            double sums[3] = {};
            for (std::size_t row = 0; row < rows.shares.size(); ++row) {
                const std::uint32_t *line =
                    picture.pixels.data() + static_cast<std::size_t>(rows.first + static_cast<int>(row)) * picture.width;
                for (std::size_t column = 0; column < columns.shares.size(); ++column) {
                    const std::uint32_t colour = line[columns.first + static_cast<int>(column)];
                    const double share = rows.shares[row] * columns.shares[column];
                    for (int at = 0; at < 3; ++at)
                        sums[at] += share * channel(colour, 16 - 8 * at);
                }
            }
            std::uint32_t colour = 0;
            for (int at = 0; at < 3; ++at)
                colour |= static_cast<std::uint32_t>(std::clamp(std::lround(sums[at]), 0L, 255L)) << (16 - 8 * at);
            result.pixels[static_cast<std::size_t>(y) * width + x] = colour;
        }
    }
    return result;
}

} // namespace plumaro
