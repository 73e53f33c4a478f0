#pragma once
// What the benchmark does with the program, as a user would: every window
// opened the first time and again, every option, census box and calculator
// used, windows switched through the Window menu, one page printed. Built
// from small pieces (a click, a key chord, a menu item, typing) that each find
// their control when they run, since most controls exist only once their
// window has been opened.

#include <QString>
#include <functional>
#include <vector>

#include "Driver.h"

class QWidget;
class XInput;
namespace vantel {
class Program;
}

class Script {
 public:
  Script(vantel::Program& program, XInput& input);
  std::vector<Step> steps();

 private:
  using Condition = std::function<bool()>;
  using Target = std::function<QWidget*()>;

  void startUp();
  void openEveryWindow();
  void useBirthAgeDeath();
  void printPage();
  void useCensus();
  void useDayOfWeek();
  void openEveryWindowAgain();

  // A step with input: timed when `name` is not empty.
  void add(const QString& name, std::function<void()> act, Condition done);
  // Moves the pointer onto the control, then clicks it.
  void click(const QString& name, Target target, Condition done);
  void keys(const QString& name, std::vector<const char*> chord, Condition done);
  // Opens a menu of the main window's menu bar with a click, then clicks the
  // item whose text holds `item`.
  void menu(const QString& name, const QString& bar, std::function<QString()> item, Condition done);
  // Activates the child window of that title through the Window menu.
  void switchTo(const QString& title);
  void type(Target field, const QString& text);
  // Presses Enter on the message box shown, which takes its default button.
  void answerBox();
  // Records the peak memory of the process so far.
  void peakMemory();

  vantel::Program& program_;
  XInput& input_;
  std::vector<Step> steps_;
};
