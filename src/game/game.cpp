#include "game.h"

namespace vorlin {

Game::Game(GameWindow& window, const SpriteSheets& sheets) : window_(window), sheets_(sheets) {}

} // namespace vorlin
