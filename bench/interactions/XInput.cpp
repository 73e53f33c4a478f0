#include "XInput.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <cstdio>
#include <cstdlib>

XInput::XInput() : display_(XOpenDisplay(nullptr)) {
  int event, error, major, minor;
  if (!display_ || !XTestQueryExtension(display_, &event, &error, &major, &minor)) {
    std::fprintf(stderr, "interactions: no X server with the XTest extension on DISPLAY\n");
    std::exit(2);
  }
}

XInput::~XInput() { XCloseDisplay(display_); }

void XInput::moveTo(QPoint global) {
  XTestFakeMotionEvent(display_, -1, global.x(), global.y(), CurrentTime);
  XFlush(display_);
}

void XInput::click() {
  XTestFakeButtonEvent(display_, Button1, True, CurrentTime);
  XTestFakeButtonEvent(display_, Button1, False, CurrentTime);
  XFlush(display_);
}

void XInput::key(unsigned long keysym, bool press) {
  const KeyCode code = XKeysymToKeycode(display_, keysym);
  if (code == 0) {
    std::fprintf(stderr, "interactions: no key for keysym 0x%lx\n", keysym);
    std::exit(2);
  }
  XTestFakeKeyEvent(display_, code, press, CurrentTime);
}

void XInput::chord(const std::vector<const char*>& keys) {
  for (const char* name : keys) key(XStringToKeysym(name), true);
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) key(XStringToKeysym(*it), false);
  XFlush(display_);
}

void XInput::type(const QString& text) {
  for (const QChar c : text) {
    // Latin-1 characters are their own keysyms; a blank is "space".
    const KeySym sym = c == QLatin1Char(' ') ? XK_space : KeySym(c.toLower().unicode());
    const bool shift = c.isUpper();
    if (shift) key(XK_Shift_L, true);
    key(sym, true);
    key(sym, false);
    if (shift) key(XK_Shift_L, false);
  }
  XFlush(display_);
}
