#include "config/event_hash.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/errors.h"
#include "config/allocation_count.h"

namespace {

// Stands in for the store that owns the registry; only its address travels.
int gStoreStandIn;
TSWConfig* const kStore = reinterpret_cast<TSWConfig*>(&gStoreStandIn);

struct TCall {
  std::string Name;
  WideString Key;
  TObject* Arg;
  TSWConfig* Sender;
};

// A subscriber that records its calls, runs an optional action, and unsubscribes everything when
// it dies, as every game object does.
class TSubscriber : public TObject {
 public:
  TSubscriber(TEventHash& events, std::string name, std::vector<TCall>& calls)
      : events_(events), name_(std::move(name)), calls_(calls) {}
  ~TSubscriber() override { events_.ClearCallbacksOf(this); }

  void OnEvent(TSWConfig* sender, const WideString& eventName, TObject* arg) {
    calls_.push_back({name_, eventName, arg, sender});
    if (Action) Action();
  }
  void OnOtherEvent(TSWConfig* sender, const WideString& eventName, TObject* arg) {
    calls_.push_back({name_ + ".other", eventName, arg, sender});
  }

  TSWEventHandler Handler() { return TSWEventHandler::Of<&TSubscriber::OnEvent>(this); }
  TSWEventHandler OtherHandler() { return TSWEventHandler::Of<&TSubscriber::OnOtherEvent>(this); }

  std::function<void()> Action;

 private:
  TEventHash& events_;
  std::string name_;
  std::vector<TCall>& calls_;
};

class TDerivedSubscriber : public TSubscriber {
 public:
  using TSubscriber::TSubscriber;
};

class EventHashTest : public ::testing::Test {
 protected:
  std::unique_ptr<TSubscriber> Make(std::string name) {
    return std::make_unique<TSubscriber>(events, std::move(name), calls);
  }

  // The names of the calls so far, separated by blanks; forgets them.
  std::string TakeCalls() {
    std::string names;
    for (const TCall& call : calls) names += (names.empty() ? "" : " ") + call.Name;
    calls.clear();
    return names;
  }

  int HandlerCountOf(WideStringView key) const {
    for (int i = 0; i < events.Count(); ++i)
      if (events.Strings(i) == key) return events.HandlerCount(i);
    return -1;
  }

  void Raise(const WideString& key) { events.RaiseEvent(key, nullptr); }

  std::vector<TCall> calls;
  TEventHash events{kStore};
};

const WideString kTick = u"tick";

TEST(BoundMethod, EqualWhenMethodAndObjectAreEqual) {
  TEventHash events(nullptr);
  std::vector<TCall> calls;
  TDerivedSubscriber a(events, "a", calls);
  TSubscriber b(events, "b", calls);

  EXPECT_EQ(a.Handler(), a.Handler());
  EXPECT_NE(a.Handler(), b.Handler());
  EXPECT_NE(a.Handler(), a.OtherHandler());
  EXPECT_TRUE(SameMethod(a.Handler(), TSWEventHandler::Of<&TDerivedSubscriber::OnEvent>(&a)));
  EXPECT_FALSE(SameMethod(a.Handler(), b.Handler()));
  EXPECT_FALSE(TSWEventHandler());

  a.OtherHandler()(kStore, kTick, &b);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].Name, "a.other");
  EXPECT_EQ(calls[0].Arg, &b);
}

TEST_F(EventHashTest, HandlersRunNewestFirstAndRegisterOncePerKey) {
  auto a = Make("A"), b = Make("B"), c = Make("C");
  for (TSubscriber* s : {a.get(), b.get(), c.get(), a.get()})
    events.AddHandler(kTick, s->Handler());
  events.AddHandler(u"game start", a->Handler());

  EXPECT_EQ(events.IndexOfHandler(kTick, a->Handler()), 0);
  EXPECT_EQ(events.IndexOfHandler(kTick, c->Handler()), 2);
  EXPECT_EQ(events.IndexOfHandler(kTick, a->OtherHandler()), -1);
  EXPECT_EQ(events.IndexOfHandler(u"nobody", a->Handler()), -1);
  EXPECT_EQ(HandlerCountOf(kTick), 3);
  EXPECT_EQ(HandlerCountOf(u"game start"), 1);

  events.RaiseEvent(u"TICK", b.get());
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].Key, u"TICK");
  EXPECT_EQ(calls[0].Arg, b.get());
  EXPECT_EQ(TakeCalls(), "C B A");
  Raise(u"game start");
  EXPECT_EQ(TakeCalls(), "A");
  Raise(u"nobody");
  EXPECT_EQ(TakeCalls(), "");
}

TEST_F(EventHashTest, ObjectEventsReachOnlyTheHandlersOfTheirObject) {
  auto cell = Make("cell"), otherCell = Make("other cell"), flower = Make("flower");
  auto panel = Make("panel"), global = Make("global"), neighbour = Make("neighbour");
  events.AddObjectHandler(cell.get(), u"Slot Add", panel->Handler());
  events.AddHandler(u"slot add", global->Handler());
  events.AddObjectHandler(otherCell.get(), u"slot add", neighbour->Handler());

  events.RaiseObjectEvent(cell.get(), u"slot add", flower.get());
  ASSERT_EQ(calls.size(), 1u);
  const WideString key = ObjectToken(cell.get()) + u"=slot add";
  EXPECT_EQ(calls[0].Name, "panel");
  EXPECT_EQ(calls[0].Sender, kStore);
  EXPECT_EQ(calls[0].Key, key);  // as raised, not as registered
  EXPECT_EQ(calls[0].Arg, flower.get());
  EXPECT_EQ(events.IndexOfHandler(key, panel->Handler()), 0);

  EXPECT_TRUE(IsObjectEvent(key, u"slot add"));
  EXPECT_TRUE(IsObjectEvent(key, u""));
  EXPECT_FALSE(IsObjectEvent(key, u"slot delete"));
  EXPECT_FALSE(IsObjectEvent(ObjectToken(cell.get()) + u"=", u""));
  EXPECT_FALSE(IsObjectEvent(u"slot add", u""));
}

TEST_F(EventHashTest, ClearCallbacksOfRemovesASubscribersHandlersAndLeavesOthers) {
  auto cell = Make("cell"), panel = Make("panel"), log = Make("log");
  events.AddHandler(u"game start", panel->Handler());
  events.AddHandler(kTick, panel->Handler());
  events.AddHandler(kTick, panel->OtherHandler());
  events.AddObjectHandler(cell.get(), u"slot add", panel->Handler());
  events.AddHandler(kTick, log->Handler());
  events.RemoveHandler(kTick, panel->OtherHandler());

  events.ClearCallbacksOf(panel.get());

  EXPECT_EQ(events.IndexOfHandler(kTick, panel->Handler()), -1);
  EXPECT_EQ(events.IndexOfHandler(u"game start", panel->Handler()), -1);
  EXPECT_EQ(events.IndexOfHandler(kTick, log->Handler()), 0);
  EXPECT_EQ(HandlerCountOf(u"game start"), 0);  // the entry stays, empty
  EXPECT_EQ(events.Trail().IndexOf(ObjectToken(panel.get())), -1);
  events.RaiseObjectEvent(cell.get(), u"slot add", nullptr);
  Raise(kTick);
  EXPECT_EQ(TakeCalls(), "log");
}

TEST_F(EventHashTest, ClearCallbacksOfRemovesTheObjectsEntriesWithEveryonesHandlers) {
  auto cell = Make("cell"), light = Make("light"), panel = Make("panel");
  events.AddObjectHandler(cell.get(), u"before paint", light->Handler());
  events.AddObjectHandler(cell.get(), u"after paint", light->Handler());
  events.AddObjectHandler(cell.get(), u"slot add", panel->Handler());
  events.AddObjectHandler(light.get(), u"free", panel->Handler());
  events.AddHandler(kTick, cell->Handler());
  const int keys = events.Count();

  events.ClearCallbacksOf(cell.get());

  EXPECT_EQ(events.Count(), keys - 3);
  for (const char16_t* name : {u"before paint", u"after paint", u"slot add"})
    EXPECT_EQ(HandlerCountOf(ObjectToken(cell.get()) + u"=" + name), -1);
  EXPECT_EQ(HandlerCountOf(kTick), 0);
  events.RaiseObjectEvent(light.get(), u"free", nullptr);
  EXPECT_EQ(TakeCalls(), "panel");
}

TEST_F(EventHashTest, ClearCallbacksOfFailsOnATrailEntryThatIsNotAHash) {
  auto panel = Make("panel");
  events.Trail().AddObject(ObjectToken(panel.get()), new TEventHashItem(panel->Handler()));
  try {
    events.ClearCallbacksOf(panel.get());
    FAIL() << "no failure";
  } catch (const EInvalidOperation& error) {
    EXPECT_EQ(error.Message(),
              u"ClearCallbacksOf - unexpected class (TEventHashItem) of object trail item.");
  }
  events.Trail().Clear();  // the panel's destructor clears its callbacks once more
}

TEST_F(EventHashTest, AHandlerRemovingItselfOrAnotherIsNotCalledAfterwards) {
  auto a = Make("A"), b = Make("B"), c = Make("C");
  for (TSubscriber* s : {a.get(), b.get(), c.get()}) events.AddHandler(kTick, s->Handler());
  b->Action = [&] { events.RemoveHandler(kTick, b->Handler()); };
  c->Action = [&] { events.RemoveHandler(kTick, a->Handler()); };

  Raise(kTick);
  EXPECT_EQ(TakeCalls(), "C B");
  EXPECT_EQ(HandlerCountOf(kTick), 1);
  EXPECT_EQ(events.IndexOfHandler(kTick, c->Handler()), 0);
  Raise(kTick);
  EXPECT_EQ(TakeCalls(), "C");
}

TEST_F(EventHashTest, AHandlerDestroyingAnEarlierHandlersObjectSkipsOnlyThatHandler) {
  auto a = Make("A"), b = Make("B"), c = Make("C");
  for (TSubscriber* s : {a.get(), b.get(), c.get()}) events.AddHandler(kTick, s->Handler());
  c->Action = [&] { a.reset(); };

  Raise(kTick);
  EXPECT_EQ(TakeCalls(), "C B");
  Raise(kTick);
  EXPECT_EQ(TakeCalls(), "C B");
}

TEST_F(EventHashTest, HandlersAddedDuringADispatchRunFromTheNextRaiseOn) {
  auto a = Make("A"), b = Make("B"), d = Make("D");
  events.AddHandler(kTick, a->Handler());
  events.AddHandler(kTick, b->Handler());
  b->Action = [&] {
    events.AddHandler(kTick, d->Handler());
    events.RemoveHandler(kTick, a->Handler());
    events.AddHandler(kTick, a->Handler());  // back in, as the newest
    b->Action = nullptr;
  };

  Raise(kTick);
  EXPECT_EQ(TakeCalls(), "B");
  Raise(kTick);
  EXPECT_EQ(TakeCalls(), "A D B");
}

TEST_F(EventHashTest, RemovingTheEntryDuringItsDispatchSkipsTheRest) {
  auto a = Make("A"), b = Make("B"), c = Make("C");
  auto cell = Make("cell");
  for (TSubscriber* s : {a.get(), b.get(), c.get()})
    events.AddObjectHandler(cell.get(), u"after paint", s->Handler());
  c->Action = [&] { cell.reset(); };
  const WideString key = ObjectToken(cell.get()) + u"=after paint";

  events.RaiseObjectEvent(cell.get(), u"after paint", nullptr);
  EXPECT_EQ(TakeCalls(), "C");
  EXPECT_EQ(HandlerCountOf(key), -1);

  // The same from inside a nested raise of that entry: both dispatches stop.
  cell = Make("cell");
  for (TSubscriber* s : {a.get(), b.get(), c.get()})
    events.AddObjectHandler(cell.get(), u"after paint", s->Handler());
  c->Action = [&] {
    if (calls.size() == 1)
      events.RaiseObjectEvent(cell.get(), u"after paint", nullptr);
    else
      cell.reset();
  };
  events.RaiseObjectEvent(cell.get(), u"after paint", nullptr);
  EXPECT_EQ(TakeCalls(), "C C");
}

TEST_F(EventHashTest, AFailingHandlerEndsTheDispatchAndLeavesTheRegistryUsable) {
  auto a = Make("A"), b = Make("B"), c = Make("C");
  for (TSubscriber* s : {a.get(), b.get(), c.get()}) events.AddHandler(kTick, s->Handler());
  c->Action = [&] { events.RemoveHandler(kTick, c->Handler()); };
  b->Action = [] { throw std::runtime_error("handler failed"); };

  EXPECT_THROW(Raise(kTick), std::runtime_error);
  EXPECT_EQ(TakeCalls(), "C B");
  EXPECT_EQ(HandlerCountOf(kTick), 2);

  b->Action = nullptr;
  Raise(kTick);
  EXPECT_EQ(TakeCalls(), "B A");
  events.RemoveHandler(kTick, b->Handler());
  EXPECT_EQ(HandlerCountOf(kTick), 1);

  // No dispatch counts as running any more, so an entry removed after a failure is freed at once
  // (LeakSanitizer reports it otherwise).
  auto cell = Make("cell");
  events.AddObjectHandler(cell.get(), u"slot add", a->Handler());
  a->Action = [] { throw std::runtime_error("handler failed"); };
  EXPECT_THROW(events.RaiseObjectEvent(cell.get(), u"slot add", nullptr), std::runtime_error);
  cell.reset();
}

TEST_F(EventHashTest, NestedRaisesOfOneKeyKeepEveryPromise) {
  auto a = Make("A"), b = Make("B"), c = Make("C");
  for (TSubscriber* s : {a.get(), b.get(), c.get()}) events.AddHandler(kTick, s->Handler());
  bool nested = false;
  c->Action = [&] {
    if (!nested) {
      nested = true;
      Raise(kTick);
    }
  };
  b->Action = [&] {
    events.RemoveHandler(kTick, a->Handler());
    EXPECT_EQ(HandlerCountOf(kTick), 2);
  };

  Raise(kTick);
  EXPECT_EQ(TakeCalls(), "C C B B");
  Raise(kTick);
  EXPECT_EQ(TakeCalls(), "C B");
}

// Counts its calls without allocating; may remove itself when called.
class TQuietSubscriber : public TObject {
 public:
  explicit TQuietSubscriber(TEventHash& events) : events_(events) {}

  void OnEvent(TSWConfig*, const WideString& eventName, TObject*) {
    ++Calls;
    if (RemoveItself) events_.RemoveHandler(eventName, Handler());
  }
  TSWEventHandler Handler() { return TSWEventHandler::Of<&TQuietSubscriber::OnEvent>(this); }

  int Calls = 0;
  bool RemoveItself = false;

 private:
  TEventHash& events_;
};

TEST(EventHashDispatch, AllocatesNothing) {
  TEventHash events(nullptr);
  TObject cell;
  std::vector<std::unique_ptr<TQuietSubscriber>> subscribers;
  const WideString beforePaint = u"before paint";
  for (int i = 0; i < 3; ++i) {
    subscribers.push_back(std::make_unique<TQuietSubscriber>(events));
    events.AddHandler(kTick, subscribers.back()->Handler());
    events.AddObjectHandler(&cell, beforePaint, subscribers.back()->Handler());
  }
  events.RaiseEvent(kTick, nullptr);  // the first lookup after a change rebuilds the hash
  events.RaiseObjectEvent(&cell, beforePaint, nullptr);
  subscribers[1]->RemoveItself = true;

  int made;
  {
    const TAllocationCount count;
    events.RaiseEvent(kTick, &cell);
    events.RaiseObjectEvent(&cell, beforePaint, nullptr);
    made = count.Made();
  }
  EXPECT_EQ(made, 0);
  EXPECT_EQ(subscribers[1]->Calls, 4);
  EXPECT_EQ(events.IndexOfHandler(kTick, subscribers[1]->Handler()), -1);
  EXPECT_EQ(
      events.IndexOfHandler(ObjectToken(&cell) + u"=" + beforePaint, subscribers[1]->Handler()),
      -1);
  {
    const TAllocationCount count;
    const auto probe = std::make_unique<int>(1);
    EscapeToOptimizer(probe.get());  // so the optimizer cannot drop the allocation
    made = count.Made();
  }
  EXPECT_EQ(made, 1);  // the counter does see allocations
}

}  // namespace

namespace {

TEST_F(EventHashTest, LongListsKeepEveryPromiseWhileHandlersComeAndGoDuringADispatch) {
  // Past a handful of handlers a list finds its handlers by hash; these changes, made while the
  // list is being called, move and re-index its storage.
  std::vector<std::unique_ptr<TSubscriber>> subscribers;
  for (int i = 0; i < 30; ++i) subscribers.push_back(Make(std::to_string(i)));
  for (int i = 0; i < 6; ++i) events.AddHandler(kTick, subscribers[i]->Handler());
  subscribers[5]->Action = [&] {
    for (int i = 6; i < 30; ++i) events.AddHandler(kTick, subscribers[i]->Handler());
    for (int i = 1; i < 30; i += 2) events.RemoveHandler(kTick, subscribers[i]->Handler());
    events.AddHandler(kTick, subscribers[4]->Handler());  // already in: kept once
    events.AddHandler(kTick, subscribers[3]->Handler());  // back in, as the newest
    subscribers[5]->Action = nullptr;
  };

  Raise(kTick);
  EXPECT_EQ(TakeCalls(), "5 4 2 0");
  EXPECT_EQ(HandlerCountOf(kTick), 16);
  EXPECT_EQ(events.IndexOfHandler(kTick, subscribers[3]->Handler()), 15);
  EXPECT_EQ(events.IndexOfHandler(kTick, subscribers[6]->Handler()), 3);
  EXPECT_EQ(events.IndexOfHandler(kTick, subscribers[7]->Handler()), -1);
  Raise(kTick);
  EXPECT_EQ(TakeCalls(), "3 28 26 24 22 20 18 16 14 12 10 8 6 4 2 0");

  // Subscribers that die one after another, each taking its handler from the indexed list.
  for (int i = 0; i < 30; i += 2) subscribers[i].reset();
  EXPECT_EQ(HandlerCountOf(kTick), 1);
  Raise(kTick);
  EXPECT_EQ(TakeCalls(), "3");
}

TEST_F(EventHashTest, EntriesOfManyObjectsComeAndGoAndTheListingStaysInOrder) {
  std::vector<std::unique_ptr<TSubscriber>> cells;
  auto panel = Make("panel");
  for (int i = 0; i < 40; ++i) {
    cells.push_back(Make("cell"));
    events.AddObjectHandler(cells.back().get(), u"slot add", panel->Handler());
    events.AddObjectHandler(cells.back().get(), u"slot delete", panel->Handler());
  }
  events.AddHandler(kTick, panel->Handler());
  for (int i = 0; i < 40; i += 4) cells[i].reset();
  ASSERT_EQ(events.Count(), 61);
  // Cells 1 to 3, 5 to 7, ... in registration order, two keys each, then "tick".
  int next = 0;
  for (int i = 0; i < 40; ++i) {
    if (i % 4 == 0) continue;
    EXPECT_EQ(events.Strings(next++), ObjectToken(cells[i].get()) + u"=slot add");
    EXPECT_EQ(events.Strings(next++), ObjectToken(cells[i].get()) + u"=slot delete");
  }
  EXPECT_EQ(events.Strings(next), kTick);

  events.RaiseObjectEvent(cells[39].get(), u"slot delete", nullptr);
  EXPECT_EQ(TakeCalls(), "panel");
  panel.reset();
  for (int i = 0; i < events.Count(); ++i) EXPECT_EQ(events.HandlerCount(i), 0);
  cells.clear();
  EXPECT_EQ(events.Count(), 1);
}

}  // namespace
