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

 private:
  TComponent FIdentity{"TApplication", ""};
  IExceptionHandler* FHandler = nullptr;
};

// The component an object belongs to: the nearest one among it and its parents.
const TObject* SenderOf(const QObject* Object);

// Reports E as raised in an event of Sender: to Handler, or standard error when there is none.
// Silent aborts are dropped.
void ReportException(IExceptionHandler* Handler, const TObject* Sender, const std::exception& E);
// Runs an event handler; whatever it raises is reported with Sender.
void RunGuarded(IExceptionHandler* Handler, const TObject* Sender,
                const std::function<void()>& EventHandler);

}  // namespace tw
