#include "app/firstrun/IntroPlayer.h"

namespace tidewell::app {

IntroPlayer::~IntroPlayer() = default;

}  // namespace tidewell::app
