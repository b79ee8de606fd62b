// Picture files as a player's disk may hold them: whole, cut short, with lying headers, missing.

#include "assets/picture_loader.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

namespace vorlin {
namespace {

// A 24-bit Windows bitmap: file header, a 40-byte info header (or the 12-byte one of the oldest
// bitmaps), then the rows, each padded to four bytes. When headerOnly is set only the header and
// the first six bytes of pixels are written, a 60-byte file; the header may claim a size and a
// compression of its own.
struct BitmapLayout {
    int width;
    int height; // negative: rows stored top down
    bool coreHeader = false;
    quint32 compression = 0;
    quint32 dataSize = 0;
    bool headerOnly = false;
};

std::string bitmap(const BitmapLayout& layout) {
    const int infoSize = layout.coreHeader ? 12 : 40;
    const int pixelOffset = 14 + infoSize;
    const int rowBytes = (layout.width * 24 + 31) / 32 * 4;
    const long long rows = layout.height < 0 ? -layout.height : layout.height;
    std::string file;
    auto put = [&file](quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    file += "BM";
    put(static_cast<quint32>(pixelOffset + rowBytes * rows), 4);
    put(0, 4);
    put(static_cast<quint32>(pixelOffset), 4);
    put(static_cast<quint32>(infoSize), 4);
    if (layout.coreHeader) {
        put(static_cast<quint32>(layout.width), 2);
        put(static_cast<quint32>(layout.height), 2);
        put(1, 2);
        put(24, 2);
    } else {
        put(static_cast<quint32>(layout.width), 4);
        put(static_cast<quint32>(layout.height), 4);
        put(1, 2);
        put(24, 2);
        put(layout.compression, 4);
        put(layout.dataSize, 4);
        put(2835, 4);
        put(2835, 4);
        put(0, 4);
        put(0, 4);
    }
    constexpr std::size_t kFirstPixelBytes = 6;
    file.append(layout.headerOnly ? kFirstPixelBytes : static_cast<std::size_t>(rowBytes * rows),
                '\x40');
    return file;
}

class PictureLoader : public ::testing::Test {
  protected:
    std::filesystem::path write(const std::string& name, const std::string& content) {
        const std::filesystem::path path = folder.path().toStdString() + "/" + name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    std::filesystem::path writePng(const std::string& name, int width, int height) {
        const std::filesystem::path path = folder.path().toStdString() + "/" + name;
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::green);
        EXPECT_TRUE(image.save(QString::fromStdString(path.string()), "PNG"));
        return path;
    }

    QTemporaryDir folder;
};

TEST_F(PictureLoader, WholePicturesLoadAtTheirSize) {
    struct Case {
        const char* name;
        BitmapLayout layout;
        int width;
        int height;
    };
    const Case cases[] = {
        {"small", {4, 3}, 4, 3},
        {"rows top down", {5, -2}, 5, 2},
        {"oldest header", {3, 3, true}, 3, 3},
        {"as wide as allowed", {2048, 1}, 2048, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LoadedPicture loaded = loadPicture(write("whole.kpb", bitmap(c.layout)));
        ASSERT_TRUE(loaded) << loaded.error.toStdString();
        EXPECT_EQ(loaded.picture->width, c.width);
        EXPECT_EQ(loaded.picture->height, c.height);
    }
    const LoadedPicture png = loadPicture(writePng("whole.png", 7, 2));
    ASSERT_TRUE(png);
    EXPECT_EQ(png.picture->width, 7);
}

TEST_F(PictureLoader, DamagedPicturesAreRefusedByName) {
    const std::string small = bitmap({4, 3});
    const std::string topDown = bitmap({4, -3});
    struct Case {
        const char* name;
        std::string content;
    };
    const Case cases[] = {
        {"one byte short", small.substr(0, small.size() - 1)},
        {"rows top down, one byte short", topDown.substr(0, topDown.size() - 1)},
        {"only the header of a whole background", bitmap({640, 480, false, 0, 0, true})},
        {"header only, 8000 x 4000", bitmap({8000, 4000, false, 0, 0, true})},
        {"whole but too wide", bitmap({2049, 1})},
        {"too tall, header only", bitmap({1, 5000, false, 0, 0, true})},
        {"compressed rows past the end", bitmap({64, 64, false, 1, 5000, true})},
        {"oldest header, cut", bitmap({30, 30, true}).substr(0, 200)},
        {"empty", ""},
        {"not a picture", "not a picture"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::filesystem::path path = write("Sfondo1.kpb", c.content);
        const LoadedPicture loaded = loadPicture(path);
        EXPECT_FALSE(loaded);
        EXPECT_EQ(loaded.error.toStdString(), "Immagine non valida: " + path.string());
    }
    const std::filesystem::path bigPng = writePng("big.png", 1, 2049);
    EXPECT_EQ(loadPicture(bigPng).error.toStdString(), "Immagine non valida: " + bigPng.string());
}

TEST_F(PictureLoader, AMissingFileIsNamedAsMissing) {
    const std::filesystem::path path = folder.path().toStdString() + "/Assente.kpb";
    EXPECT_EQ(loadPicture(path).error.toStdString(), "File non trovato: " + path.string());
}

// Lowers a soft limit of the test process for as long as it lives.
class LoweredLimit {
  public:
    LoweredLimit(int resource, rlim_t soft) : resource_(resource) {
        EXPECT_EQ(getrlimit(resource_, &saved_), 0);
        rlimit lowered = saved_;
        lowered.rlim_cur = soft;
        EXPECT_EQ(setrlimit(resource_, &lowered), 0);
    }
    ~LoweredLimit() { setrlimit(resource_, &saved_); }
    LoweredLimit(const LoweredLimit&) = delete;
    LoweredLimit& operator=(const LoweredLimit&) = delete;

  private:
    int resource_;
    rlimit saved_{};
};

// The address space the test process uses now, in bytes.
rlim_t addressSpaceInUse() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmSize:", 0) == 0) return std::stoull(line.substr(7)) * 1024;
    return 0;
}

// The lowest descriptor number not in use: every one below it is taken.
rlim_t firstFreeDescriptor() {
    const int probe = dup(0);
    close(probe);
    return static_cast<rlim_t>(probe);
}

TEST_F(PictureLoader, WhatTheSystemRefusesIsToldAsSuchNotAsADamagedPicture) {
    // A whole picture as large as the game allows: 16 MiB once decoded.
    const std::filesystem::path path = write("Sfondo1.kpb", bitmap({2048, 2048}));
    ASSERT_TRUE(loadPicture(path));
    struct Case {
        const char* name;
        int resource;
        std::function<rlim_t()> lowered;
        std::string message;
    };
    const Case cases[] = {
        {"no descriptor left", RLIMIT_NOFILE, firstFreeDescriptor,
         "Troppi file aperti: il sistema non concede al gioco un altro descrittore di file per "
         "leggere " +
             path.string()},
        {"no room for the decoded picture", RLIMIT_AS,
         [] { return addressSpaceInUse() + 8 * 1024 * 1024; },
         "Memoria insufficiente per caricare l'immagine: " + path.string()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string error;
        {
            const LoweredLimit limit(c.resource, c.lowered());
            const LoadedPicture loaded = loadPicture(path);
            EXPECT_FALSE(loaded);
            error = loaded.error.toStdString();
        }
        EXPECT_EQ(error, c.message);
        // With the limit back the same file loads.
        EXPECT_TRUE(loadPicture(path));
    }
}

} // namespace
} // namespace vorlin
