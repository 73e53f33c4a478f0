#pragma once
// A refused request as the program tells the user: a message box's prompt,
// title and icon. The rules decide the refusal; a form shows it in a message
// box, the command-line calculator prints it.

#include <string>

namespace vantel {

struct Refusal {
  // The message box icons, valued as the message box takes them.
  static constexpr int Critical = 16;
  static constexpr int Information = 64;

  std::string prompt;
  std::string title;
  int icon = Information;
};

// How a form offers the refused field for correction: the focus alone, the
// focus with the whole entry of a text box selected, or the focus with a text
// typed into a list box put back and selected.
enum class Correction { Focus, SelectEntry, SelectTyped };

}  // namespace vantel
