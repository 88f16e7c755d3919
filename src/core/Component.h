// The identity objects show in error reports: a class name, and for components a name and
// an owner.
#pragma once

#include <string>

namespace tw {

class TObject {
 public:
  explicit TObject(std::string ClassName) : FClassName(std::move(ClassName)) {}
  virtual ~TObject() = default;
  const std::string& ClassName() const { return FClassName; }

 private:
  std::string FClassName;
};

class TComponent : public TObject {
 public:
  TComponent(std::string ClassName, std::string Name, const TComponent* Owner = nullptr)
      : TObject(std::move(ClassName)), FName(std::move(Name)), FOwner(Owner) {}

  const std::string& Name() const { return FName; }
  const TComponent* Owner() const { return FOwner; }
  void SetOwner(const TComponent* Owner) { FOwner = Owner; }

 private:
  std::string FName;
  const TComponent* FOwner;
};

}  // namespace tw
