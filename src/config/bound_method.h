#pragma once
// A method bound to its object: the target and a plain function that calls the method on it.
// Two bindings are equal when both parts are equal, which is what "the same handler" means to
// the event registry; calling one allocates nothing, unlike std::function.
#include <utility>

#include "base/tobject.h"
#include "base/wide_string.h"

template <class Signature>
class TBoundMethod;

template <class R, class... A>
class TBoundMethod<R(A...)> {
 public:
  using Thunk = R (*)(TObject* target, A... args);

  TBoundMethod() = default;
  TBoundMethod(TObject* target, Thunk code) : target_(target), code_(code) {}

  // TBoundMethod<void(int)>::Of<&TPanel::Changed>(panel). The thunk is made per method, not per
  // pointer type, so binding through a derived-class pointer gives an equal handler.
  template <auto Method, class T>
  static TBoundMethod Of(T* target) {
    using Owner = typename TMethodOwner<decltype(Method)>::Type;
    Owner* owner = target;
    return TBoundMethod(owner, &Invoke<Method, Owner>);
  }

  R operator()(A... args) const { return code_(target_, std::forward<A>(args)...); }

  TObject* Target() const { return target_; }
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
  static R Invoke(TObject* target, A... args) {
    return (static_cast<Owner*>(target)->*Method)(std::forward<A>(args)...);
  }

  TObject* target_ = nullptr;
  Thunk code_ = nullptr;
};

// True when code and target are both equal.
template <class Signature>
bool SameMethod(const TBoundMethod<Signature>& a, const TBoundMethod<Signature>& b) {
  return a == b;
}

class TSWConfig;

// An event handler receives the store that raised the event, the key exactly as raised and the
// event's one argument.
using TSWEventHandler = TBoundMethod<void(TSWConfig* sender, const WideString& eventName, TObject* arg)>;
