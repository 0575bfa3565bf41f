#include "game/flower_kinds.h"

#include "game/cell_state_kinds.h"
#include "game/flower_seed.h"
#include "game/slot_object_kinds.h"

void RegisterFlowerClasses() {
  RegisterFlowerClass<TSWFlower_Shadow>();
  RegisterFlowerClass<TSWFlower_Light>();
  RegisterFlowerClass<TSWFlower_Puddle>();
  RegisterFlowerClass<TSWFlower_Fence>();
  RegisterFlowerClass<TSWFlower_Path>();
  RegisterFlowerClass<TSWFlower_Seed>();
  RegisterFlowerClass<TSWFlower_Weed>();
  RegisterFlowerClass<TSWFlower_Bloomer>();
  RegisterFlowerClass<TSWFlower_Melly>();
  RegisterFlowerClass<TSWFlower_Oracle>();
  RegisterFlowerClass<TSWFlower_Bean>();
  RegisterFlowerClass<TSWFlower_Vegbloomer>();
}
