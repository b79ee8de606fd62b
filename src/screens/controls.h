#pragma once

#include "control_inventory.h"

#include <QColor>
#include <QString>

#include <map>
#include <string>
#include <vector>

class QWidget;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace vorlin {

// A caption of the control table in the player's language (the Italian caption when the game
// speaks Italian or the text has no translation).
QString translatedCaption(const char* caption);

// 0x00BBGGRR, the colour unit of the window's design, to and from QColor.
QColor colourFromBgr(int bgr);

// The window's controls, built from the inventory: looked up by their design names, with the
// design's colours kept as numbers so that they can be read back exactly.
class Controls {
  public:
    // Creates every widget of the inventory (timers and the resolution control excepted) as
    // children of form, stacked so that a control listed first is on top within its container.
    Controls(QWidget* form, const std::vector<ControlSpec>& inventory);

    bool has(const std::string& name) const { return widgets_.count(name) != 0; }
    QWidget* widget(const std::string& name) const;
    const ControlSpec& design(const std::string& name) const;
    const std::vector<const ControlSpec*>& widgetSpecs() const { return ordered_; }

    QLabel* label(const std::string& name) const;
    QLineEdit* textBox(const std::string& name) const;
    QScrollBar* scrollBar(const std::string& name) const;

    void show(const std::string& name, bool visible = true);
    void hide(const std::string& name) { show(name, false); }
    // The control's own Visible flag (a control inside a hidden panel is still "visible").
    bool visible(const std::string& name) const;
    void enable(const std::string& name, bool enabled = true);
    bool enabled(const std::string& name) const;

    // Caption of a label or button, text of a text box.
    QString caption(const std::string& name) const;
    void setCaption(const std::string& name, const QString& caption);
    // A label's caption that reads back at once and shows when showCaption() is called.
    void setCaptionShownLater(const std::string& name, const QString& caption);
    void showCaption(const std::string& name);

    int foreColour(const std::string& name) const;
    int backColour(const std::string& name) const;
    void setForeColour(const std::string& name, int bgr);
    void setBackColour(const std::string& name, int bgr);

  private:
    QWidget* create(QWidget* form, const ControlSpec& design);
    void restyle(const std::string& name);
    // The background a panel or picture box is painted with.
    int backColourOrBlack(const std::string& name) const;

    std::map<std::string, QWidget*> widgets_;
    std::map<std::string, const ControlSpec*> designs_;
    std::vector<const ControlSpec*> ordered_;
};

} // namespace vorlin
