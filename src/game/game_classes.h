#pragma once
// The registrations the program makes at start-up, so that data can name cell kinds, object
// kinds and ability kinds. Safe to call more than once.
void RegisterGameClasses();
