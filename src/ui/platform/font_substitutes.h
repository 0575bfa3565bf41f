#pragma once
// The window's fonts carry Windows names ("MS Mincho", "Georgia", "MS Sans Serif", "Arial",
// "MS Serif"); each is mapped to an installed Debian font of the same kind, so that the banner's
// ideographs show as glyphs and serif text stays serif. Call once at start-up, before any widget
// takes a font (TSWApplication does).
void InstallFontSubstitutes();
