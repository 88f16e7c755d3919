// The identity an object shows in error reports: class name, name and owner.
#pragma once

#include <string>

namespace tw {

class TComponent {
 public:
  TComponent(std::string ClassName, std::string Name, const TComponent* Owner = nullptr)
      : FClassName(std::move(ClassName)), FName(std::move(Name)), FOwner(Owner) {}
  virtual ~TComponent() = default;

  const std::string& ClassName() const { return FClassName; }
  const std::string& Name() const { return FName; }
  const TComponent* Owner() const { return FOwner; }
  void SetOwner(const TComponent* Owner) { FOwner = Owner; }

 private:
  std::string FClassName;
  std::string FName;
  const TComponent* FOwner;
};

}  // namespace tw
