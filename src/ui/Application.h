// The application object: routes every exception that escapes an event handler to the
// exception handler, so that Qt never sees one.
#pragma once

#include <QApplication>
#include <functional>

#include "Component.h"
#include "ExceptionHandler.h"

namespace tw {

class TApplication : public QApplication {
  Q_OBJECT
 public:
  TApplication(int& Argc, char** Argv);

  const TComponent& Identity() const { return FIdentity; }
  void SetExceptionHandler(IExceptionHandler* Handler) { FHandler = Handler; }

  bool notify(QObject* Receiver, QEvent* Event) override;

  // Runs Handler; an exception it raises goes to the exception handler with Sender.
  void Guard(const TObject* Sender, const std::function<void()>& Handler);
  // Reports E as raised in an event of Sender (silent aborts are dropped).
  void Report(const TObject* Sender, const std::exception& E);

 private:
  TComponent FIdentity{"TApplication", ""};
  IExceptionHandler* FHandler = nullptr;
};

// The component an object belongs to: the nearest one among it and its parents.
const TObject* SenderOf(const QObject* Object);

}  // namespace tw
