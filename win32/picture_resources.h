// How a window's resource script compiles in a picture: once for every
// display scale it is drawn for (kPictureDpis), from the file the artwork
// generator wrote for that scale, assets/pictures/<dpi>/<name>.bmp. Each
// copy has the picture's own identifier and a resource type of its scale's
// own: 1000 plus its dpi. A script names each picture once:
//   PICTURE_AT_EVERY_SCALE(IDR_BIRD1, bird1)
#pragma once

#define PICTURE_FILE_(path) #path
#define PICTURE_FILE(dpi, name) PICTURE_FILE_(assets/pictures/dpi/name.bmp)

#define PICTURE_AT_EVERY_SCALE(id, name)                                                                              \
    id 1096 PICTURE_FILE(96, name)                                                                                     \
    id 1120 PICTURE_FILE(120, name)                                                                                    \
    id 1144 PICTURE_FILE(144, name)                                                                                    \
    id 1168 PICTURE_FILE(168, name)                                                                                    \
    id 1192 PICTURE_FILE(192, name)                                                                                    \
    id 1216 PICTURE_FILE(216, name)                                                                                    \
    id 1240 PICTURE_FILE(240, name)                                                                                    \
    id 1288 PICTURE_FILE(288, name)

#ifndef RC_INVOKED
// The resource type of the pictures drawn for `dpi`.
constexpr int pictureResourceType(unsigned dpi) { return 1000 + static_cast<int>(dpi); }
#endif
