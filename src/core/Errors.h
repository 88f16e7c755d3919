// The project's exception type: a message and a help context.
#pragma once

#include <stdexcept>
#include <string>

namespace tw {

class EProjectError : public std::runtime_error {
 public:
  explicit EProjectError(const std::string& Message, int HelpContext = 0)
      : std::runtime_error(Message), FHelpContext(HelpContext) {}
  int HelpContext() const { return FHelpContext; }

 private:
  int FHelpContext;
};

// Ends an operation quietly: never shown, never logged.
class EAbort : public std::exception {
 public:
  const char* what() const noexcept override { return "Operation aborted"; }
};

}  // namespace tw
