#include "containers/object_hash.h"

#include <gtest/gtest.h>

namespace {

// Counts its destructions; optionally records how many items a hash held at that moment.
class TCounted : public TObject {
 public:
  explicit TCounted(int& freed, const TObjectHash* hash = nullptr, int* countSeen = nullptr)
      : freed_(freed), hash_(hash), countSeen_(countSeen) {}
  ~TCounted() override {
    ++freed_;
    if (hash_) *countSeen_ = hash_->Count();
  }

 private:
  int& freed_;
  const TObjectHash* hash_;
  int* countSeen_;
};

}  // namespace

TEST(ObjectHash, OwningHashFreesEachLeavingObjectExactlyOnce) {
  int freed = 0;
  {
    TObjectHash hash;
    EXPECT_TRUE(hash.OwnsObjects());
    auto* a = new TCounted(freed);
    auto* b = new TCounted(freed);
    hash.AddObject(u"a", a);
    hash.AddObject(u"b", b);
    hash.AddObject(u"empty", nullptr);

    hash.SetObjects(0, a);  // the same object again: nothing leaves
    EXPECT_EQ(freed, 0);
    hash.SetObjects(0, new TCounted(freed));  // a leaves
    EXPECT_EQ(freed, 1);

    hash.Delete(1);  // b
    EXPECT_EQ(freed, 2);
    hash.Delete(1);  // no object: skipped
    EXPECT_EQ(freed, 2);

    hash.AddObject(u"c", new TCounted(freed));
    hash.Clear();
    EXPECT_EQ(freed, 4);
    EXPECT_EQ(hash.Count(), 0);

    hash.AddObject(u"d", new TCounted(freed));
  }
  EXPECT_EQ(freed, 5);  // destroying the hash frees what is left
}

TEST(ObjectHash, AnObjectLeavesTheListBeforeItIsFreed) {
  int freed = 0;
  int seenByA = -1, seenByB = -1, seenByC = -1;
  {
    TObjectHash hash;
    hash.AddObject(u"a", new TCounted(freed, &hash, &seenByA));
    hash.AddObject(u"b", new TCounted(freed, &hash, &seenByB));
    hash.AddObject(u"c", new TCounted(freed, &hash, &seenByC));
    hash.Delete(0);
    EXPECT_EQ(seenByA, 2);
    hash.SetObjects(0, nullptr);
    EXPECT_EQ(seenByB, 2);
  }
  EXPECT_EQ(seenByC, 0);
  EXPECT_EQ(freed, 3);
}

TEST(ObjectHash, NonOwningHashFreesNothing) {
  int freed = 0;
  TCounted kept(freed);
  {
    TObjectHash hash(false);
    hash.AddObject(u"kept", &kept);
    hash.SetObjects(0, nullptr);
    hash.AddObject(u"kept", &kept);
    hash.Delete(0);
    hash.Clear();
    hash.AddObject(u"kept", &kept);
  }
  EXPECT_EQ(freed, 0);
}

TEST(ObjectHash, FindReturnsTheObjectOfTheLastItemOfThatName) {
  TObjectHash hash(false);
  TObject first, second;
  hash.AddObject(u"images\\cell:png", &first);
  hash.AddObject(u"other", nullptr);
  hash.AddObject(u"IMAGES\\CELL:PNG", &second);
  EXPECT_EQ(hash.Find(u"images\\Cell:png"), &second);
  EXPECT_EQ(hash.Find(u"missing"), nullptr);
  hash.Delete(2);
  EXPECT_EQ(hash.Find(u"images\\cell:png"), &first);
}
