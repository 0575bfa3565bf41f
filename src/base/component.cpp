#include "base/component.h"

#include <algorithm>

SW_CLASS_DEFINE(TComponent, TObject)

TComponent::TComponent(TComponent* owner) : owner_(owner) {}

TComponent::~TComponent() {
  // Each one is unlinked before it is told, so nothing it does in ComponentFreed reaches back.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    other->RemoveFreeNotify(this);
    other->ComponentFreed(this);
  }
}

void TComponent::Loaded() { loading_ = false; }

void TComponent::FreeNotification(TComponent* component) {
  if (component == nullptr || component == this) return;
  AddFreeNotify(component);
  component->AddFreeNotify(this);
}

void TComponent::AddFreeNotify(TComponent* component) {
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
    freeNotifies_.push_back(component);
}

void TComponent::RemoveFreeNotify(TComponent* component) { std::erase(freeNotifies_, component); }
