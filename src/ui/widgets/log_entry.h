#pragma once
// What the event log writes for a game event, from one player's point of view: the message from
// the language strings with its arguments, and the line's record (cell, icon, colour, weight).
#include <array>
#include <optional>

#include "base/wide_string.h"
#include "platform/geometry.h"
#include "ui/widgets/log_lines.h"

class TObject;
class TSWConfig;
class TSWFlower;
class TSWPlayer;

// The events the log writes, in the order it subscribes to them.
const std::array<const WideString*, 5>& LoggedEvents();

// True when `viewer` hears of events of `flower`: always without a viewer and for the viewer's
// own flowers, else from insight piFull on.
bool IsShownTo(const TSWPlayer* viewer, const TSWFlower& flower);

// The line event `eventName` with argument `arg` makes (the text "event: " + eventName of the
// store's language), or nothing when it concerns a flower hidden from `viewer` (nullptr: none).
// Lines without a colour of their own take `textColor`. Fails with the store's
// "No language string with name "%s" found.", with "TSWLogBox.EventHandler didn't know how to
// handle %s." for an event the log does not write, and with "TSWLogBox.EventHandler expected a
// %s with %s." (EInvalidArgument) for an argument of the wrong class.
std::optional<TSWLogLine> ComposeLogLine(const TSWConfig& config, const TSWPlayer* viewer,
                                         const WideString& eventName, TObject* arg,
                                         TColor textColor);
