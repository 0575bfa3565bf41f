#include "ui/windows/view_settings.h"

#include "containers/ini_file_w.h"

namespace {

constexpr WideStringView kGeneral = u"General";

}  // namespace

TViewSettings ReadViewSettings(const TCustomIniFileW& settings, const TViewSettings& current) {
  // The height is read with a lower-case h and written with a capital one; keys match in any case.
  return {{settings.ReadInteger(kGeneral, u"Cell info form X", current.CellInfo.X),
           settings.ReadInteger(kGeneral, u"Cell info form Y", current.CellInfo.Y),
           settings.ReadInteger(kGeneral, u"Cell info form height", current.CellInfo.Height)},
          settings.ReadBool(kGeneral, u"Info on hover", current.InfoOnHover),
          settings.ReadBool(kGeneral, u"Show grid", current.ShowGrid)};
}

void SaveViewSettings(TIniFileW& settings, const TViewSettings& values) {
  settings.WriteAll([&](TCustomIniFileW& content) {
    content.WriteInteger(kGeneral, u"Cell info form X", values.CellInfo.X);
    content.WriteInteger(kGeneral, u"Cell info form Y", values.CellInfo.Y);
    content.WriteInteger(kGeneral, u"Cell info form Height", values.CellInfo.Height);
    content.WriteBool(kGeneral, u"Info on hover", values.InfoOnHover);
    content.WriteBool(kGeneral, u"Show grid", values.ShowGrid);
  });
}
