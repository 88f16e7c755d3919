// The program block: settings first, then the application and its window, settings last.
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace tw {

class IDialogs;

// What tests put in place of the user.
struct TProgramHooks {
  std::function<void(QWidget&)> OnCreated;  // runs when the window exists, before it is shown
  std::function<void(QWidget&)> OnShown;    // runs once the window is shown
  IDialogs* Dialogs = nullptr;              // answers every dialog instead of Qt's boxes
};

// Runs the game with AppDir as the program folder; returns the exit status.
int RunProgram(int Argc, char** Argv, const std::string& AppDir, const TProgramHooks& Hooks = {});

}  // namespace tw
