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

void TApplication::Report(const TObject* Sender, const std::exception& E) {
  if (dynamic_cast<const EAbort*>(&E)) return;
  if (FHandler) {
    FHandler->HandleException(Sender, E);
  } else {
    std::fprintf(stderr, "tollywinder: %s\n", E.what());
  }
}

void TApplication::Guard(const TObject* Sender, const std::function<void()>& Handler) {
  try {
    Handler();
  } catch (const std::exception& e) {
    Report(Sender, e);
  } catch (...) {
    Report(Sender, EProjectError("Unknown exception"));
  }
}

bool TApplication::notify(QObject* Receiver, QEvent* Event) {
  try {
    return QApplication::notify(Receiver, Event);
  } catch (const std::exception& e) {
    Report(SenderOf(Receiver), e);
  } catch (...) {
    Report(SenderOf(Receiver), EProjectError("Unknown exception"));
  }
  return true;
}

}  // namespace tw
