#include "base/tobject.h"

#include <atomic>
#include <mutex>

#include "base/upper_case.h"

namespace {

// A half must not be 0 or "=" (the key separator), and must have no case: registries compare
// keys without regard to case, so "a" and "A" halves would make two tokens collide.
bool IsUsableHalf(uint32_t half) {
  const auto unit = static_cast<char16_t>(half);
  return half != 0 && unit != u'=' && UpCaseUnit(unit) == unit && LowCaseUnit(unit) == unit;
}

// Identities come from one counter, skipping values with an unusable half.
uint32_t NextIdentity() {
  static std::atomic<uint32_t> counter{0};
  for (;;) {
    const uint32_t candidate = ++counter;
    if (IsUsableHalf(candidate & 0xFFFF) && IsUsableHalf(candidate >> 16)) return candidate;
  }
}

std::vector<TRegisteredClass>& Registry() {
  static std::vector<TRegisteredClass> registry;
  return registry;
}

std::mutex& RegistryMutex() {
  static std::mutex mutex;
  return mutex;
}

}  // namespace

bool TClass::InheritsFrom(const TClass& base) const {
  for (const TClass* cls = this; cls; cls = cls->Parent)
    if (cls == &base) return true;
  return false;
}

TObject::TObject() : identity_(NextIdentity()) {}
TObject::~TObject() = default;

const TClass& TObject::StaticClass() {
  static const TClass info{u"TObject", nullptr};
  return info;
}

const TClass& TObject::ClassType() const { return StaticClass(); }

WideString IdentityToken(uint32_t identity) {
  return WideString{static_cast<char16_t>(identity & 0xFFFF),
                    static_cast<char16_t>(identity >> 16)};
}

void RegisterClass(const TClass& info, TGenericFactory factory) {
  std::lock_guard lock(RegistryMutex());
  for (TRegisteredClass& entry : Registry()) {
    if (entry.Class == &info) {
      entry.Factory = factory;
      return;
    }
  }
  Registry().push_back({&info, factory});
}

const TRegisteredClass* FindRegisteredClass(WideStringView name) {
  std::lock_guard lock(RegistryMutex());
  for (const TRegisteredClass& entry : Registry())
    if (SameTextW(entry.Class->Name, name)) return &entry;
  return nullptr;
}
