#include "lint/item_case_check.h"

void CheckItemCase(TLintData& data, TLintReport& report) {
  for (const WideString& name : data.ItemNames()) {
    const TFileMatch file = data.Package().FindItem(name);
    if (file.CaseDiffers)
      report.Add({name},
                 u"matches the file \"" + file.FileName + u"\" only by ignoring letter case");
  }
}
