#pragma once
#include <SDL.h>
#include <cairo.h>

#include "platform/sdl/ConsoleFont.h"

namespace moid::sdl {

// What a box that takes over the window until it is answered (a list, a message) needs
// from the window it is shown in.
class ModalHost {
 public:
  virtual ~ModalHost() = default;

  // Waits up to timeoutMs for the next event; closing the window and uncovering it are
  // handled here too. False on time-out and once the window was closed.
  virtual bool WaitEvent(SDL_Event& event, int timeoutMs) = 0;
  virtual bool Closed() const = 0;

  // A frame holding what the window shows beneath the box, to draw the box over; then
  // ShowOverlay puts it on screen.
  virtual cairo_t* BeginOverlay() = 0;
  virtual void ShowOverlay() = 0;
  virtual int WidthPx() const = 0;
  virtual int HeightPx() const = 0;

  virtual const ConsoleFont& TextFont() const = 0;
  virtual const ConsoleFont& HeadingFont() const = 0;

  // Drops the text input that the key which closed a box still has queued, so that it
  // does not reach the screen beneath.
  virtual void DropPendingText() = 0;
};

}  // namespace moid::sdl
