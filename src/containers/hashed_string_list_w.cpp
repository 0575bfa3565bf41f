#include "containers/hashed_string_list_w.h"

#include "containers/key_hash.h"

SW_CLASS_DEFINE(THashedStringListW, TStringListW)

namespace {

// Up to this many items a lookup scans the list: quicker than hashing, and no table to carry.
constexpr int kScanLimit = 8;

}  // namespace

int THashedStringListW::IndexOf(WideStringView s) const { return Lookup(kWholeKey, s); }

int THashedStringListW::IndexOfName(WideStringView name) const { return Lookup(kNameKey, name); }

void THashedStringListW::SetCaseSensitive(bool caseSensitive) {
  TStringListW::SetCaseSensitive(caseSensitive);
  ItemsRearranged();
}

void THashedStringListW::SetNameValueSeparator(char16_t separator) {
  TStringListW::SetNameValueSeparator(separator);
  tables_[kNameKey].reset();
}

bool THashedStringListW::KeyOf(TKeyKind kind, int index, WideStringView& key) const {
  key = Strings(index);
  if (kind == kWholeKey) return true;
  const size_t separator = key.find(NameValueSeparator());
  key = key.substr(0, separator);
  return separator != WideStringView::npos;
}

bool THashedStringListW::Matches(TKeyKind kind, int index, WideStringView key) const {
  WideStringView own;
  return KeyOf(kind, index, own) && SameKey(own, key, CaseSensitive());
}

uint32_t THashedStringListW::HashOf(WideStringView key) const {
  return KeyHash(key, CaseSensitive());
}

int THashedStringListW::Lookup(TKeyKind kind, WideStringView key) const {
  if (!tables_[kind]) {
    if (Count() <= kScanLimit) {
      for (int i = Count() - 1; i >= 0; --i)
        if (Matches(kind, i, key)) return i;
      return -1;
    }
    BuildTable(kind);
  }
  return tables_[kind]->FindLast(HashOf(key), [&](int index) { return Matches(kind, index, key); });
}

void THashedStringListW::BuildTable(TKeyKind kind) const {
  auto table = std::make_unique<TIndexTable>();
  table->Reserve(Count());
  WideStringView key;
  for (int i = 0; i < Count(); ++i)
    if (KeyOf(kind, i, key)) table->Insert(HashOf(key), i);
  tables_[kind] = std::move(table);
}

void THashedStringListW::ItemInserted(int index) {
  WideStringView key;
  for (int kind = 0; kind < kKeyKinds; ++kind) {
    TIndexTable* table = tables_[kind].get();
    if (!table) continue;
    if (index < Count() - 1) table->Shift(index, 1);
    if (KeyOf(TKeyKind(kind), index, key)) table->Insert(HashOf(key), index);
  }
}

void THashedStringListW::ItemDeleting(int index) {
  WideStringView key;
  for (int kind = 0; kind < kKeyKinds; ++kind) {
    TIndexTable* table = tables_[kind].get();
    if (!table) continue;
    if (KeyOf(TKeyKind(kind), index, key)) table->Erase(HashOf(key), index);
    if (index < Count() - 1) table->Shift(index + 1, -1);
  }
}

void THashedStringListW::ItemsRearranged() {
  for (auto& table : tables_) table.reset();
}
