#pragma once
// A change notification bound to its receiver: the receiver and a plain function, so that
// raising it allocates nothing and two bindings compare equal when both parts are equal.
class TObject;

struct TNotifyEvent {
  void* Target = nullptr;
  void (*Code)(void* target, TObject* sender) = nullptr;

  // Binds a member function taking the sender: TNotifyEvent::Of<&TPanel::ListChanged>(panel).
  template <auto Method, class T>
  static TNotifyEvent Of(T* target) {
    return {target,
            [](void* bound, TObject* sender) { (static_cast<T*>(bound)->*Method)(sender); }};
  }

  explicit operator bool() const { return Code != nullptr; }
  void operator()(TObject* sender) const { Code(Target, sender); }
  friend bool operator==(const TNotifyEvent&, const TNotifyEvent&) = default;
};
