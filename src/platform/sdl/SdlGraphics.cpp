#include "platform/sdl/SdlGraphics.h"

namespace moid::sdl {

void SdlGraphics::GfxWindow(int mode) {
  canvas_.GfxWindow(mode);
  host_.OnGfxWindow(mode);
}

void SdlGraphics::GfxRefresh(int mode) {
  canvas_.GfxRefresh(mode);
  host_.OnRefresh();
}

int SdlGraphics::MouseOverX() {
  host_.BeforePointerRead();
  return canvas_.MouseOverX();
}

}  // namespace moid::sdl
