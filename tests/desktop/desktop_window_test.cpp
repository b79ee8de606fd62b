// The window on the desktop shows the newest frame once per display refresh, scaled: what it
// shows at a refresh must be exactly what a window painting every tick shows at that moment.

#include "desktop/desktop_window.h"
#include "form_fixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QThread>

namespace vorlin::testing {
namespace {

constexpr int kFieldHeight = 460;
constexpr int kTicksPerRefresh = 17; // a 60 Hz display at 1 ms a tick
// The field with the controls over it (the scheme title, the lifts' ropes...): the status row's
// buttons are drawn by the widget style, whose shading may differ with the window's activity.
const QRect kField(0, 0, Game::kFrameWidth, kFieldHeight);
// The status captions right of the menu button: a caption that changed shows its new text, the
// others are left as they were painted.
const QRect kStatusCaptions(47, kFieldHeight, Game::kFrameWidth - 47, 20);

class DesktopWindowTest : public FormFixture {
  protected:
    // A second window on the same program folder, shown on the desktop; the first paints every
    // frame as it is drawn. Both start the same game.
    void SetUp() override {
        FormFixture::SetUp();
        load();
        onDesktop = std::make_unique<Form1>(optionsOn(desktopClock));
        ASSERT_TRUE(onDesktop->Form_Load());
        onDesktop->showOnDesktop();
        desktop = onDesktop->desktopWindow();
        ASSERT_NE(desktop, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(desktop));
        for (Form1* f : {form.get(), onDesktop.get()}) {
            f->controls().textBox("NomeGiocatore")->setText("Anna");
            ASSERT_TRUE(f->clickControl("PulsanteStart"));
        }
        // The start reaches the form a turn of the event loop after the click.
        QCoreApplication::sendPostedEvents();
        desktop->showNewestFrame();
    }

    // One tick of both games, with the same key now and then.
    void tickBoth(int tick) {
        for (Form1* f : {form.get(), onDesktop.get()}) {
            if (tick % 40 < 25) f->Form_KeyDown(tick % 80 < 40 ? 0x27 : 0x25);
            f->game().TimerAnimazione_Timer();
        }
    }

    QImage everyTickPicture() const {
        return form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // The desktop window painted afresh, whole.
    QImage desktopPicture() const {
        return desktop->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // What the desktop window has put on the screen, once the paints it asked for are done.
    QImage onScreen() const {
        // The form's changes reach the scene, then the window, each a turn of the event loop
        // later; the refresh timer is left alone.
        for (int turn = 0; turn < 4; ++turn)
            QCoreApplication::sendPostedEvents();
        return desktop->screen()
            ->grabWindow(desktop->winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    // The next tick loses object 1 at the bottom: it moves sprites and changes a status caption.
    static void loseAnObjectOnTheNextTick(Form1& f) {
        GameState& s = f.game().state;
        s.QuarziX[1] = 900;
        s.QuarziY[1] = 401;
    }

    // Lets the event loop run for a few display refreshes.
    static void settle() {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
            QThread::msleep(10);
        }
        QCoreApplication::processEvents();
    }

    VirtualClock desktopClock;
    std::unique_ptr<Form1> onDesktop;
    DesktopWindow* desktop = nullptr;
};

// Counts the paints of a widget.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* watched) { watched->installEventFilter(this); }
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Each refresh reaches the screen without a paint of the window: the controls over the field
// (the scheme title above all) laid over it as last painted, a caption that changed painted anew.
TEST_F(DesktopWindowTest, AtEachRefreshShowsWhatEveryTickPaintingShows) {
    QImage atLastRefresh = everyTickPicture();
    ASSERT_EQ(onScreen().copy(kField), atLastRefresh.copy(kField));
    ASSERT_TRUE(onDesktop->controls().visible("PictureTitoloSchema"));
    PaintCounter counter(desktop->viewport());
    for (int tick = 1; tick <= 20 * kTicksPerRefresh; ++tick) {
        tickBoth(tick);
        if (tick % kTicksPerRefresh == 0) {
            counter.paints = 0;
            desktop->showNewestFrame();
            atLastRefresh = everyTickPicture();
            const QImage shown = onScreen();
            ASSERT_EQ(shown.copy(kField), atLastRefresh.copy(kField)) << "at tick " << tick;
            ASSERT_EQ(shown.copy(kStatusCaptions), atLastRefresh.copy(kStatusCaptions))
                << "at tick " << tick;
            EXPECT_EQ(counter.paints, 0) << "at tick " << tick;
        } else if (tick % kTicksPerRefresh == 5) {
            // Between refreshes the field stays as the last refresh showed it.
            ASSERT_EQ(onScreen().copy(kField), atLastRefresh.copy(kField)) << "at tick " << tick;
        }
    }
}

// A refresh that carries a changed status caption with the moved sprites shows both at once,
// and nothing paints the window after it. Of the controls, only the captions that changed are
// painted again: not the scheme title, taller than its panel, nor the charges box, into which
// the energy caption reaches beyond its own box.
TEST_F(DesktopWindowTest, ARefreshWithACaptionShowsItWithoutAPaintOfTheWindow) {
    settle();
    ASSERT_TRUE(onDesktop->controls().visible("LabelPictureTitoloSchema"));
    PaintCounter counter(desktop->viewport());
    PaintCounter title(onDesktop->controls().widget("LabelPictureTitoloSchema"));
    PaintCounter charges(onDesktop->controls().widget("Label11"));
    PaintCounter lost(onDesktop->controls().widget("nPersiTotale"));
    for (int refresh = 1; refresh <= 5; ++refresh) {
        SCOPED_TRACE(refresh);
        const QString lostBefore = onDesktop->controls().caption("nPersiTotale");
        for (Form1* f : {form.get(), onDesktop.get()}) {
            loseAnObjectOnTheNextTick(*f);
            f->game().TimerAnimazione_Timer();
        }
        counter.paints = title.paints = charges.paints = lost.paints = 0;
        desktop->showNewestFrame();
        settle();
        ASSERT_NE(onDesktop->controls().caption("nPersiTotale"), lostBefore);
        EXPECT_EQ(counter.paints, 0);
        EXPECT_GT(lost.paints, 0);
        EXPECT_EQ(title.paints, 0);
        EXPECT_EQ(charges.paints, 0);
        EXPECT_EQ(onScreen().copy(kStatusCaptions), everyTickPicture().copy(kStatusCaptions));
    }
}

// A change of the form between the game's frames (here a caption set while no tick runs) reaches
// the screen by itself, at the next display refresh.
TEST_F(DesktopWindowTest, AChangeOfTheFormWithoutATickReachesTheScreen) {
    settle();
    for (const char* energy : {"Energia 5", "Energia 123"}) {
        SCOPED_TRACE(energy);
        for (Form1* f : {form.get(), onDesktop.get()})
            f->controls().setCaption("Pt", QString::fromLatin1(energy));
        settle();
        EXPECT_EQ(onScreen().copy(kStatusCaptions), everyTickPicture().copy(kStatusCaptions));
    }
}

// A frame the game announced it would soon follow with another is shown all the same when no
// other comes: the game stopped just after it.
TEST_F(DesktopWindowTest, AFrameNotFollowedAsAnnouncedIsShownAllTheSame) {
    // The game runs at 1 ms a tick: each frame announces the next a millisecond later.
    onDesktop->timer("TimerAnimazione").setInterval(1);
    settle();
    // A refresh made just now: the next falls due a refresh interval later.
    tickBoth(1);
    desktop->showNewestFrame();
    for (Form1* f : {form.get(), onDesktop.get()}) {
        loseAnObjectOnTheNextTick(*f);
        f->game().TimerAnimazione_Timer();
    }
    const std::uint64_t shownBefore = desktop->framesShown();
    ASSERT_TRUE(QTest::qWaitFor([&] { return desktop->framesShown() > shownBefore; }, 2000));
    const QImage shown = onScreen();
    EXPECT_EQ(shown.copy(kField), everyTickPicture().copy(kField));
    EXPECT_EQ(shown.copy(kStatusCaptions), everyTickPicture().copy(kStatusCaptions));
}

// Frames that come once a refresh interval, measured to the millisecond, may come a little
// before the refresh falls due: such a frame is shown at once, not after a wake-up of its own.
TEST_F(DesktopWindowTest, AFrameJustShortOfTheRefreshIntervalIsShownAtOnce) {
    settle();
    tickBoth(1);
    desktop->showNewestFrame();
    QElapsedTimer sinceRefresh;
    sinceRefresh.start();
    tickBoth(2);
    while (sinceRefresh.elapsed() < desktop->refreshIntervalMs() - 1)
        QThread::usleep(100);
    const std::uint64_t shownBefore = desktop->framesShown();
    desktop->frameChanged(desktop->refreshIntervalMs());
    QCoreApplication::processEvents();
    EXPECT_GT(desktop->framesShown(), shownBefore);
}

// Grown to a whole-number or a fractional factor, the field is the frame scaled by nearest
// neighbour, centred on black; the controls are drawn at the scaled size over it.
TEST_F(DesktopWindowTest, AGrownWindowScalesTheFieldSharpAndCentred) {
    for (int tick = 1; tick <= 3 * kTicksPerRefresh; ++tick)
        tickBoth(tick);
    desktop->showNewestFrame();
    const QImage small = everyTickPicture();
    struct Size {
        int width, height;
        QRect picture;
    };
    for (const Size& size :
         {Size{1280, 960, {0, 0, 1280, 960}}, Size{1400, 960, {60, 0, 1280, 960}},
          Size{1600, 1300, {0, 50, 1600, 1200}}}) {
        desktop->resize(size.width, size.height);
        ASSERT_EQ(desktop->pictureArea(), size.picture);
        const QImage big = desktopPicture();
        const QImage expected =
            small.scaled(size.picture.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        // Only where no control lies over the field.
        QRegion controls;
        for (QWidget* child :
             onDesktop->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (child->isVisible()) controls += child->geometry();
        const double scale = size.picture.width() / double(Game::kFrameWidth);
        int compared = 0;
        for (int y = 0; y < kFieldHeight * scale; y += 3)
            for (int x = 0; x < size.picture.width(); x += 3) {
                if (controls.contains(QPoint(int(x / scale), int(y / scale)))) continue;
                ++compared;
                ASSERT_EQ(big.pixel(size.picture.topLeft() + QPoint(x, y)), expected.pixel(x, y))
                    << size.width << "x" << size.height << " at " << x << "," << y;
            }
        EXPECT_GT(compared, 10000);
        if (size.picture.x() > 0) {
            EXPECT_EQ(big.pixel(size.picture.x() - 1, 10), qRgb(0, 0, 0));
        }
        if (size.picture.y() > 0) {
            EXPECT_EQ(big.pixel(10, size.picture.y() - 1), qRgb(0, 0, 0));
        }
    }
}

// Grown to a whole-number or a fractional factor, what the refreshes put on the screen (the
// field shown straight, and the captions painted again in the picture of the controls) is what
// a fresh paint of the whole window shows: no control is left half drawn at the edge of a part.
TEST_F(DesktopWindowTest, AGrownWindowShowsWhatAFreshPaintShows) {
    for (const QSize& size : {QSize(1280, 960), QSize(900, 675), QSize(1600, 1300)}) {
        SCOPED_TRACE(size.width());
        desktop->resize(size);
        QCoreApplication::processEvents();
        for (int tick = 1; tick <= 12 * kTicksPerRefresh; ++tick) {
            if (tick % (3 * kTicksPerRefresh) == 1) loseAnObjectOnTheNextTick(*onDesktop);
            tickBoth(tick);
            if (tick % kTicksPerRefresh == 0) desktop->showNewestFrame();
        }
        const QImage shown = onScreen();
        ASSERT_EQ(shown, desktopPicture());
    }
}

} // namespace
} // namespace vorlin::testing
