#pragma once

#include <QObject>
#include <QTimer>

namespace vorlin {

// The text caret blinks while the player uses the game and rests, shown steadily, once no key
// or click has come for a while, as a desktop's own text boxes do: a game left open on its start
// panel then stops waking twice a second to blink the caret in the name box.
class CaretRest : public QObject {
  public:
    // Watches every key and click of the application; the caret rests RESTMS after the last.
    explicit CaretRest(int restMs = kRestAfterMs);
    ~CaretRest() override;
    CaretRest(const CaretRest&) = delete;
    CaretRest& operator=(const CaretRest&) = delete;

    // The desktop's own pause before a caret rests (GTK's cursor blink timeout).
    static constexpr int kRestAfterMs = 10'000;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void blink();

    // The blink period the desktop asked for.
    const int blinkMs_;
    QTimer rest_;
};

} // namespace vorlin
