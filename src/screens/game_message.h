#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace vorlin {

// A message of the game to the player: a window of its own over the game's window (or alone
// when there is none yet), titled with the game's name, modal to the game's window, its whole
// text shown, and closed by its OK button with the mouse or Enter, Space or Esc.
// gameWindow is the game's window or any widget of it: the box belongs to the window on the
// screen that shows it, for a box whose parent lies in the scaled picture would be drawn inside
// that picture. The box deletes itself when closed;
// open() it to let the game go on behind it, or exec() it to wait for the player.
QMessageBox* newGameMessage(QWidget* gameWindow, QMessageBox::Icon icon, const QString& text);
// Changes what a box of newGameMessage says; the box grows to show it all.
void setGameMessageText(QMessageBox& box, const QString& text);

} // namespace vorlin
