#pragma once
// A method bound to its object: the target and a plain function that calls the method on it.
// Two bindings are equal when both parts are equal, which is what "the same handler" means to
// the event registry; calling one allocates nothing, unlike std::function.
//
// `TTarget` is what the binding keeps of its target: `void` takes any object; `TObject` keeps a
// game object, for callers that must know whose handler it is (the event registry).
#include <utility>

template <class Signature, class TTarget = void>
class TBoundMethod;

template <class R, class... A, class TTarget>
class TBoundMethod<R(A...), TTarget> {
 public:
  using Thunk = R (*)(TTarget* target, A... args);

  TBoundMethod() = default;
  TBoundMethod(TTarget* target, Thunk code) : target_(target), code_(code) {}

  // TBoundMethod<void(int)>::Of<&TPanel::Changed>(panel). The thunk is made per method, not per
  // pointer type, so binding through a derived-class pointer gives an equal handler.
  template <auto Method, class T>
  static TBoundMethod Of(T* target) {
    using Owner = typename TMethodOwner<decltype(Method)>::Type;
    Owner* owner = target;
    return TBoundMethod(owner, &Invoke<Method, Owner>);
  }

  R operator()(A... args) const { return code_(target_, std::forward<A>(args)...); }

  TTarget* Target() const { return target_; }
  Thunk Code() const { return code_; }
  explicit operator bool() const { return code_ != nullptr; }
  friend bool operator==(const TBoundMethod&, const TBoundMethod&) = default;

 private:
  template <class M>
  struct TMethodOwner;
  template <class C>
  struct TMethodOwner<R (C::*)(A...)> {
    using Type = C;
  };
  template <class C>
  struct TMethodOwner<R (C::*)(A...) const> {
    using Type = C;
  };

  template <auto Method, class Owner>
  static R Invoke(TTarget* target, A... args) {
    return (static_cast<Owner*>(target)->*Method)(std::forward<A>(args)...);
  }

  TTarget* target_ = nullptr;
  Thunk code_ = nullptr;
};

// True when code and target are both equal.
template <class Signature, class TTarget>
bool SameMethod(const TBoundMethod<Signature, TTarget>& a,
                const TBoundMethod<Signature, TTarget>& b) {
  return a == b;
}

class TObject;

// A change notification: the object that changed.
using TNotifyEvent = TBoundMethod<void(TObject* sender)>;
