#include "Program.h"

#include <QTimer>
#include <cstdio>
#include <memory>

#include "Application.h"
#include "Errors.h"
#include "Globals.h"
#include "MainWindow.h"
#include "QtDialogs.h"

namespace tw {
namespace {

// A failure the user must hear of even though the program cannot go on.
void ReportFatal(IDialogs& Dialogs, const std::string& Text) {
  std::fprintf(stderr, "tollywinder: %s\n", Text.c_str());
  Dialogs.MessageDlg(Text, TMsgDlgType::mtError, mbOK, 0);
}

}  // namespace

int RunProgram(int Argc, char** Argv, const std::string& AppDir, const TProgramHooks& Hooks) {
  std::unique_ptr<TGlobals> globals;
  std::string startError;
  try {
    globals = std::make_unique<TGlobals>(AppDir);
  } catch (const std::exception& e) {
    startError = e.what();
  }

  TApplication app(Argc, Argv);
  QApplication::setApplicationDisplayName("Tollywinder");
  QtDialogs qtDialogs;
  IDialogs& dialogs = Hooks.Dialogs ? *Hooks.Dialogs : qtDialogs;
  if (!globals) {
    ReportFatal(dialogs,
                "The settings file could not be created, so the game cannot start.\n" + startError);
    return 1;
  }
  Globals = globals.get();
  globals->Dialogs = &dialogs;
  bool saveFailed = false;
  globals->OnSaveError = [&](const std::string& Message) {
    saveFailed = true;
    ReportFatal(dialogs, "The settings could not be saved.\n" + Message);
  };
  app.SetExceptionHandler(globals.get());

  int status = 0;
  try {
    TMainWindowServices services;
    services.Settings = globals.get();
    services.ExceptionHandler = globals.get();
    services.Dialogs = Hooks.Dialogs;
    T_frm_main window(AppDir, &app.Identity(), services);
    qtDialogs.SetParent(&window);
    if (Hooks.OnCreated) Hooks.OnCreated(window);
    window.show();
    window.activateWindow();
    if (Hooks.OnShown) QTimer::singleShot(0, &window, [&] { Hooks.OnShown(window); });
    status = app.exec();
    qtDialogs.SetParent(nullptr);
  } catch (const EAbort&) {
  } catch (const std::exception& e) {
    globals->AppException(&app.Identity(), e);
  }

  // Freed after the loop: this writes app.ini.
  Globals = nullptr;
  globals->Dialogs = nullptr;
  globals.reset();
  return saveFailed ? 1 : status;
}

}  // namespace tw
