// The window's icon: task bars and window switchers ask for the size they show, so the icon
// holds every size the desktop icons are drawn at, each exactly as drawn rather than scaled.

#include "assets/embedded_pictures.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>

#include <gtest/gtest.h>

namespace vorlin {
namespace {

const QString kIconDir = QStringLiteral(VORLIN_TEST_ICON_DIR);

TEST(WindowIcon, HoldsEveryDrawnSizeAsDrawn) {
    const QIcon icon = embeddedWindowIcon();
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
        const QImage drawn = QImage(kIconDir + QStringLiteral("/%1.png").arg(size))
                                 .convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(drawn.size(), QSize(size, size));
        EXPECT_EQ(icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32),
                  drawn);
    }
}

} // namespace
} // namespace vorlin

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
