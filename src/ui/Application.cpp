#include "Application.h"

#include <cstdio>

#include "Errors.h"

namespace tw {

TApplication::TApplication(int& Argc, char** Argv) : QApplication(Argc, Argv) {}

const TObject* SenderOf(const QObject* Object) {
  for (const QObject* o = Object; o; o = o->parent()) {
    if (auto* c = dynamic_cast<const TObject*>(o)) return c;
  }
  static const TObject kNotComponent("QObject");
  return &kNotComponent;
}

void ReportException(IExceptionHandler* Handler, const TObject* Sender, const std::exception& E) {
  if (dynamic_cast<const EAbort*>(&E)) return;
  if (Handler) {
    Handler->HandleException(Sender, E);
  } else {
    std::fprintf(stderr, "tollywinder: %s\n", E.what());
  }
}

void RunGuarded(IExceptionHandler* Handler, const TObject* Sender,
                const std::function<void()>& EventHandler) {
  try {
    EventHandler();
  } catch (const std::exception& e) {
    ReportException(Handler, Sender, e);
  } catch (...) {
    ReportException(Handler, Sender, EProjectError("Unknown exception"));
  }
}

bool TApplication::notify(QObject* Receiver, QEvent* Event) {
  try {
    return QApplication::notify(Receiver, Event);
  } catch (const std::exception& e) {
    ReportException(FHandler, SenderOf(Receiver), e);
  } catch (...) {
    ReportException(FHandler, SenderOf(Receiver), EProjectError("Unknown exception"));
  }
  return true;
}

}  // namespace tw
