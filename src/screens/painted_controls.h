#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

namespace vorlin {

// A label that reports clicks (the link labels of the help and author panels).
class ClickableLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A square filled with one colour (the record grid's difficulty markers) or an outlined
// rectangle (the red frame around the name box).
class ShapeControl : public QWidget {
  public:
    ShapeControl(QWidget* parent, bool filled, QColor colour);
    void setColour(QColor colour);
    QColor colour() const { return colour_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool filled_;
    QColor colour_;
};

// A one-pixel line (the yellow separators of the panels).
class LineControl : public QWidget {
  public:
    LineControl(QWidget* parent, QColor colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
};

} // namespace vorlin
