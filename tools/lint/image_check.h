#pragma once
// The pictures the game draws for the data: each must exist in the package and decode. A missing
// image is reported once, with its first use.
#include "lint/lint_data.h"
#include "lint/lint_report.h"
#include "lint/lint_usage.h"

// "objects\<name>" of every object placed or planted that draws itself, with the variant
// ("objects\puddle deep") of the kinds that take one.
void CheckObjectImages(TLintData& data, const TLintUsage& usage, TLintReport& report);
// The 16- and 32-pixel icons of every ability, made as the ability panel makes them.
void CheckAbilityIcons(TLintData& data, const TLintUsage& usage, TLintReport& report);
// The images every board paints, and those of the cell kinds the maps' tiles make.
void CheckCellImages(TLintData& data, const TLintUsage& usage, TLintReport& report);
// Each map's introduction text and the picture behind it.
void CheckMapPictures(TLintData& data, TLintReport& report);
