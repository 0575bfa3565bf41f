#include "containers/sparse_object_hash.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/upper_case.h"

namespace {

// Counts its destructions.
class TCounted : public TObject {
 public:
  explicit TCounted(int& freed) : freed_(freed) {}
  ~TCounted() override { ++freed_; }

 private:
  int& freed_;
};

struct TModelItem {
  WideString Key;
  TObject* Object;
};

// The object of the last model item whose key (or name, before the first "=") matches.
TObject* ScannedObject(const std::vector<TModelItem>& model, WideStringView key, bool byName) {
  for (auto it = model.rbegin(); it != model.rend(); ++it) {
    WideStringView own = it->Key;
    const size_t separator = own.find(u'=');
    if (byName && separator == WideStringView::npos) continue;
    if (SameTextW(byName ? own.substr(0, separator) : own, key)) return it->Object;
  }
  return nullptr;
}

TObject* ObjectAt(const TSparseObjectHash& hash, int position) {
  return position < 0 ? nullptr : hash.Objects(position);
}

}  // namespace

TEST(SparseObjectHash, DeletesFromAnywhereKeepLookupsOrderAndOwnership) {
  const std::vector<WideString> keys = {u"ab=free", u"AB=tick", u"cd=free", u"tick", u"Tick",
                                        u"ab",      u"x:y",     u"cd=",     u"e=f=g"};
  int freed = 0;
  int made = 0;
  std::vector<TModelItem> model;
  {
    TSparseObjectHash hash(true);
    uint32_t seed = 99;
    auto next = [&](uint32_t range) {
      seed = seed * 1103515245u + 12345u;
      return static_cast<int>((seed >> 8) % range);
    };
    for (int step = 0; step < 4000; ++step) {
      if (next(5) < 3 || model.empty()) {
        const WideString& key = keys[next(static_cast<uint32_t>(keys.size()))];
        model.push_back({key, new TCounted(freed)});
        ++made;
        hash.AddObject(key, model.back().Object);
      } else {
        // Deletes what a lookup finds, as the registries do.
        const WideString& key = keys[next(static_cast<uint32_t>(keys.size()))];
        const bool byName = next(2) == 0;
        const int position = byName ? hash.IndexOfName(key.substr(0, 2)) : hash.IndexOf(key);
        if (position >= 0) {
          TObject* const object = hash.Objects(position);
          std::erase_if(model, [&](const TModelItem& item) { return item.Object == object; });
          hash.Delete(position);
        }
      }
      ASSERT_EQ(hash.Count(), static_cast<int>(model.size()));
      ASSERT_EQ(made - freed, hash.Count());
      for (const WideString& key : keys) {
        ASSERT_EQ(ObjectAt(hash, hash.IndexOf(key)), ScannedObject(model, key, false));
        ASSERT_EQ(ObjectAt(hash, hash.IndexOfName(key.substr(0, 2))),
                  ScannedObject(model, key.substr(0, 2), true));
      }
    }
    hash.Compact();
    ASSERT_EQ(hash.Count(), static_cast<int>(model.size()));
    for (int i = 0; i < hash.Count(); ++i) {
      EXPECT_EQ(hash.Strings(i), model[i].Key);
      EXPECT_EQ(hash.Objects(i), model[i].Object);
    }
    EXPECT_EQ(hash.Find(u"missing"), nullptr);
  }
  EXPECT_EQ(freed, made);  // what was left goes with the hash
}
