#pragma once
// The two sets of view settings the settings writer saves by turns; they differ in every key.
#include "ui/windows/view_settings.h"

inline const TViewSettings kWrittenSettings[2] = {
    {{182, 140, 275}, true, false, {10, 20, 975, 700, false}},
    {{640, 33, 410}, false, true, {300, 90, 1200, 800, true}}};
