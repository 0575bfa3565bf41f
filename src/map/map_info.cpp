#include "map/map_info.h"

#include <exception>

#include "config/package.h"
#include "containers/mem_ini_file_w.h"

SW_CLASS_DEFINE(TSWMapInfo, TObject)

namespace {

constexpr const char16_t* kGeneral = u"General";

}  // namespace

TSWMapInfo::TSWMapInfo() = default;
TSWMapInfo::~TSWMapInfo() = default;

void TSWMapInfo::LoadFrom(const TMemIniFileW& ini) {
  hasIntro_ = false;
  intro_.reset();
  bkImage_.reset();
  name_ = ini.ReadString(kGeneral, u"Name", u"Unidentified map");
  author_ = ini.ReadString(kGeneral, u"Author", u"Anonymous creator");
  date_ = ini.ReadString(kGeneral, u"Date", u"Unknown epoch");
  if (package_) {
    const WideString intro = ini.ReadString(kGeneral, u"Intro", u"");
    if (!intro.empty()) LoadIntro(intro);
    const WideString bkImage = ini.ReadString(kGeneral, u"BkImage", u"");
    if (!bkImage.empty()) LoadBkImage(bkImage);
  }
  hasIntro_ = intro_ != nullptr;
}

void TSWMapInfo::LoadIntro(const WideString& item) {
  // A map whose introduction cannot be read is played without one.
  try {
    TStream& source = package_->Data(item);
    source.SetPosition(0);
    auto intro = std::make_unique<TMemoryStream>();
    intro->CopyFrom(source);
    intro->SetPosition(0);
    intro_ = std::move(intro);
  } catch (const std::exception&) {
    intro_.reset();
  }
}

void TSWMapInfo::LoadBkImage(const WideString& item) { bkImage_ = package_->DecodeImage(item); }
