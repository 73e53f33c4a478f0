#pragma once
// Real input for the benchmark: key presses and mouse clicks sent to the X
// server through its test extension (XTest), on a connection of their own.
// The server delivers them to the program like a user's, through the window
// manager's focus and Qt's own xcb platform, so every action measured takes
// the path a user's does.

#include <QPoint>
#include <QString>
#include <vector>

struct _XDisplay;

class XInput {
 public:
  XInput();  // ends the process with a message when there is no X server
  ~XInput();
  XInput(const XInput&) = delete;
  XInput& operator=(const XInput&) = delete;

  void moveTo(QPoint global);
  // Presses and releases the left button where the pointer is.
  void click();
  // Presses the keys in order and releases them in reverse: {"Control_L", "a"}.
  void chord(const std::vector<const char*>& keys);
  // Types printable ASCII text, with Shift where a letter needs it.
  void type(const QString& text);

 private:
  void key(unsigned long keysym, bool press);
  _XDisplay* display_;
};
