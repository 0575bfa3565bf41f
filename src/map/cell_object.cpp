#include "map/cell_object.h"

#include "base/errors.h"

SW_CLASS_DEFINE(TSWCellObject, TSWObject)

namespace {

const TClass* cellObjectFamily = nullptr;

}  // namespace

void RegisterCellObjectFamily(const TClass& baseClass) { cellObjectFamily = &baseClass; }

const TClass& CellObjectFamily() {
  if (cellObjectFamily == nullptr)
    Raise<EInvalidOperation>(u"No class of cell objects is registered.");
  return *cellObjectFamily;
}

TOwned<TSWCellObject> CreateCellObject(const TRegisteredClass& objectClass, TSWMapCellSlots* slots,
                                       TObject* player) {
  const auto factory = reinterpret_cast<TSWCellObjectFactory>(objectClass.Factory);
  return TOwned<TSWCellObject>(factory(slots, player));
}
