#pragma once
// The program as a user meets it: its main window made by the application
// object, in a program folder of its own holding the shipped language file
// and model databases, with the simulated adapter on the real clock. Input
// reaches the window as GDK events at the on-screen place of what is
// pressed, through the scene windows' own routing.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "scene/zr_geometry.h"
#include "tests/support/SimAdapter.h"

class TfrmInterface;
class TMenuItem;
class TzrCustomScene;
class TzrVisualObject;
class TzrStringComboBox;

namespace road {

// Starts the drawing layers, the toolkit and the chart texts and registers
// the form classes, as the program entry does.
void StartProgram();

// A program folder in the temporary folder with the build's shipped data;
// Chinese chooses the language the language file starts in.
class TProgramFolder {
 public:
  explicit TProgramFolder(bool Chinese);
  ~TProgramFolder();
  const std::filesystem::path& Path() const { return FPath; }

 private:
  std::filesystem::path FPath;
};

// Pumps the messages for Ms milliseconds of real time.
void Run(int Ms);
// Pumps until Done() holds, at most Ms milliseconds; answers Done().
bool RunUntil(const std::function<bool()>& Done, int Ms);

// The centre of the object in its scene's pixels.
TzrPoint Centre(TzrVisualObject* Object);
// A left click at the object's centre, delivered to the scene's widget.
void ClickObject(TzrCustomScene* Scene, TzrVisualObject* Object);
// Activates the menu item's widget, as a pick from the menu bar does.
void PickMenu(TMenuItem* Item);

// Opens the combo's list with a click and picks the entry with a click in
// the list's popup window; false when the list did not open or close.
bool PickEntry(TzrCustomScene* Scene, TzrStringComboBox* Combo, int Entry);

// Presses the button and answers the information box it opens by pressing
// its OK button, both by clicks; answers the box's text ("" when none came).
std::string PressAndAnswer(TfrmInterface& Form, TzrCustomScene* Scene, TzrVisualObject* Button);

}  // namespace road
