// Filtering a picture to another size, for display scales that no picture
// is drawn for.
#pragma once

#include <cstdint>
#include <vector>

namespace plumaro {

// A picture as colours 0x00RRGGBB, row by row from the top.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// The picture at width x height (each at least 1), through a box filter:
// each new pixel is the average of the old pixels under its footprint, each
// weighted by how much of the footprint it covers. Between one drawn scale
// and the next (at most a fifth smaller), this keeps every one-pixel
// engraving line as an evenly lighter line, where sampling (nearest
// neighbour, bilinear) drops some lines and doubles others, and it puts no
// halo beside black lines on the plain ground, as sharper filters (bicubic,
// Lanczos) do. The ink of the whole picture is kept.
RgbPicture filtered(const RgbPicture &picture, int width, int height);

} // namespace plumaro
