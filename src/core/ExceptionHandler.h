// Where exceptions caught by the program's handlers are reported.
#pragma once

#include <exception>

#include "Component.h"

namespace tw {

class IExceptionHandler {
 public:
  virtual ~IExceptionHandler() = default;
  virtual void HandleException(const TObject* Sender, const std::exception& E) = 0;
};

}  // namespace tw
