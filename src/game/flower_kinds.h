#pragma once

// Makes the twelve object kinds creatable by their kind word ("seed", "bloomer", "shadow", ...)
// through CreateFrom with the base TSWFlower. Runs once at start-up.
void RegisterFlowerClasses();
