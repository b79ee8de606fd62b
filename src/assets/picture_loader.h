#pragma once

#include "game/picture.h"

#include <QImage>
#include <QString>

#include <filesystem>
#include <optional>

namespace vorlin {

// The outcome of loading a picture: the picture, or an Italian message naming the file and the
// cause: missing, not readable, damaged, or what the system refused (memory, file descriptors).
struct LoadedPicture {
    std::optional<Picture> picture;
    QString error;

    explicit operator bool() const { return picture.has_value(); }
};

// Reads a picture file, the format decided from its content (a BMP under a ".kpb" name is
// fine), and converts it once to the frame's pixel format.
[[nodiscard]] LoadedPicture loadPicture(const std::filesystem::path& path);

// Converts an image already in memory (an embedded picture) to the frame's pixel format.
// Throws std::bad_alloc when there is no memory for the copy.
Picture toPicture(const QImage& image);

// A view of a picture as a QImage sharing its pixels; valid while the picture is unchanged.
QImage asImage(const Picture& picture);

} // namespace vorlin
