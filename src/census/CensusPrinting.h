#pragma once
// Prints the Census form as a picture of itself, from its Print button or its
// Print menu item: refuses while nothing has been calculated, offers to write
// the ancestor's name into the heading, shows the 1790 gender button of the
// chosen range as a heading for the picture, prints, and puts the form back.
// The two commands differ only in their texts and in the menu item's state.

namespace vantel {

class FormCBYC;

namespace census {

enum class PrintCommand { Button, Menu };

void printResults(FormCBYC& form, PrintCommand command);

}  // namespace census
}  // namespace vantel
