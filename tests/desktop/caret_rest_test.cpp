// The caret of a text box rests, shown steadily, once no key or click has come for a while, and
// blinks again at the next key.

#include "desktop/caret_rest.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyleHints>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

namespace vorlin {
namespace {

constexpr int kRestMs = 300;
constexpr int kBlinkMs = 200;

class CaretRestTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QGuiApplication::styleHints()->setCursorFlashTime(kBlinkMs);
        box.setText("Anna");
        box.show();
        box.activateWindow();
        box.setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    }
    void TearDown() override { QGuiApplication::styleHints()->setCursorFlashTime(1000); }

    // The different pictures of the box seen over MS milliseconds, looked at every 20 ms.
    std::size_t picturesOver(int ms) {
        std::set<QByteArray> seen;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            QTest::qWait(20);
            const QImage picture = box.grab().toImage();
            seen.insert(QByteArray(reinterpret_cast<const char*>(picture.constBits()),
                                   static_cast<int>(picture.sizeInBytes())));
        }
        return seen.size();
    }

    QLineEdit box;
};

TEST_F(CaretRestTest, TheCaretBlinksUntilItRestsShownAndBlinksAgainAtAKey) {
    CaretRest rest(kRestMs);
    // Blinking: the box is seen with and without its caret.
    EXPECT_EQ(picturesOver(kBlinkMs * 2), 2u);
    QTest::qWait(kRestMs);
    // Resting: one picture only, and it is the one with the caret, however the blink stood.
    EXPECT_EQ(picturesOver(kBlinkMs * 3), 1u);
    const QImage resting = box.grab().toImage();
    box.clearFocus();
    const QImage withoutCaret = box.grab().toImage();
    EXPECT_NE(resting, withoutCaret);
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_End);
    EXPECT_EQ(picturesOver(kBlinkMs * 2), 2u);
}

} // namespace
} // namespace vorlin
