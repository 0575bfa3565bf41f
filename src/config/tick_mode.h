#pragma once

// Whether a periodic timer drives the ticks (real-time) or the player does (turns). The number
// is also the index of a value's piece for that mode in "turn real-time" pairs.
enum TTickMode : int { tmTurn = 0, tmRealTime = 1 };
