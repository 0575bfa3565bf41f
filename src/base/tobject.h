#pragma once
// The root of the engine's class model: class names, inheritance tests, a class registry for
// creation by name, and a 32-bit identity per live object.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/wide_string.h"

// Run-time class information: the class name and its parent.
struct TClass {
  const char16_t* Name;
  const TClass* Parent;

  bool InheritsFrom(const TClass& base) const;
};

class TObject {
 public:
  TObject();
  virtual ~TObject();
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;

  static const TClass& StaticClass();
  virtual const TClass& ClassType() const;
  virtual size_t InstanceSize() const { return sizeof(TObject); }

  // The clean-up an object owes others while it is still whole, which a destructor cannot do
  // since the derived parts are gone by then. FreeObject runs it just before the destructor.
  virtual void BeforeDestruction() {}

  WideString ClassName() const { return ClassType().Name; }
  bool InheritsFrom(const TClass& base) const { return ClassType().InheritsFrom(base); }
  template <class T>
  bool Is() const {
    return InheritsFrom(T::StaticClass());
  }

  // Unique among live objects; neither 16-bit half is 0, 0x003D ("=") or a unit with case, so
  // tokens stay distinct under case-insensitive lookup.
  uint32_t Identity() const { return identity_; }

 private:
  uint32_t identity_;
};

// The object as T when it is one (by the class model), else nullptr.
template <class T>
T* As(TObject* object) {
  return object && object->Is<T>() ? static_cast<T*>(object) : nullptr;
}

// Two characters holding the identity, low 16 bits first.
WideString IdentityToken(uint32_t identity);
inline WideString ObjectToken(const TObject* object) { return IdentityToken(object->Identity()); }

// In a class body: declares the class-model members. In the source file: SW_CLASS_DEFINE.
#define SW_CLASS(Self)                      \
 public:                                    \
  static const TClass& StaticClass();       \
  const TClass& ClassType() const override; \
  size_t InstanceSize() const override { return sizeof(Self); }

#define SW_CLASS_DEFINE(Self, Parent)                            \
  const TClass& Self::StaticClass() {                            \
    static const TClass info{u"" #Self, &Parent::StaticClass()}; \
    return info;                                                 \
  }                                                              \
  const TClass& Self::ClassType() const { return StaticClass(); }

// The registry of classes that can be created by name, filled once at start-up. `Factory` is
// the family's constructor function stored type-erased; the family knows its real signature.
using TGenericFactory = void (*)();

struct TRegisteredClass {
  const TClass* Class;
  TGenericFactory Factory;
};

void RegisterClass(const TClass& info, TGenericFactory factory);
// Case-insensitive lookup; nullptr when no class of that name is registered.
const TRegisteredClass* FindRegisteredClass(WideStringView name);
