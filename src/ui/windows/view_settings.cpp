#include "ui/windows/view_settings.h"

#include "containers/ini_file_w.h"

namespace {

constexpr WideStringView kGeneral = u"General";
constexpr WideStringView kMainFormX = u"Main form X";
constexpr WideStringView kMainFormY = u"Main form Y";
constexpr WideStringView kMainFormWidth = u"Main form width";
constexpr WideStringView kMainFormHeight = u"Main form height";
constexpr WideStringView kMainFormMaximized = u"Main form maximized";

}  // namespace

TViewSettings ReadViewSettings(const TCustomIniFileW& settings, const TViewSettings& current) {
  // The height is read with a lower-case h and written with a capital one; keys match in any case.
  return {{settings.ReadInteger(kGeneral, u"Cell info form X", current.CellInfo.X),
           settings.ReadInteger(kGeneral, u"Cell info form Y", current.CellInfo.Y),
           settings.ReadInteger(kGeneral, u"Cell info form height", current.CellInfo.Height)},
          settings.ReadBool(kGeneral, u"Info on hover", current.InfoOnHover),
          settings.ReadBool(kGeneral, u"Show grid", current.ShowGrid),
          ReadWindowPlacement(settings, current.Window)};
}

TWindowPlacement ReadWindowPlacement(const TCustomIniFileW& settings,
                                     const TWindowPlacement& current) {
  return {settings.ReadInteger(kGeneral, kMainFormX, current.X),
          settings.ReadInteger(kGeneral, kMainFormY, current.Y),
          settings.ReadInteger(kGeneral, kMainFormWidth, current.Width),
          settings.ReadInteger(kGeneral, kMainFormHeight, current.Height),
          settings.ReadBool(kGeneral, kMainFormMaximized, current.Maximized)};
}

void SaveViewSettings(TIniFileW& settings, const TViewSettings& values) {
  settings.WriteAll([&](TCustomIniFileW& content) {
    content.WriteInteger(kGeneral, u"Cell info form X", values.CellInfo.X);
    content.WriteInteger(kGeneral, u"Cell info form Y", values.CellInfo.Y);
    content.WriteInteger(kGeneral, u"Cell info form Height", values.CellInfo.Height);
    content.WriteBool(kGeneral, u"Info on hover", values.InfoOnHover);
    content.WriteBool(kGeneral, u"Show grid", values.ShowGrid);
    content.WriteInteger(kGeneral, kMainFormX, values.Window.X);
    content.WriteInteger(kGeneral, kMainFormY, values.Window.Y);
    content.WriteInteger(kGeneral, kMainFormWidth, values.Window.Width);
    content.WriteInteger(kGeneral, kMainFormHeight, values.Window.Height);
    content.WriteBool(kGeneral, kMainFormMaximized, values.Window.Maximized);
  });
}
