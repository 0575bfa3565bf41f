#include "config/package.h"

#include <algorithm>
#include <climits>

#include "base/errors.h"
#include "base/int_parse.h"
#include "base/utf8.h"
#include "config/config_store.h"
#include "config/no_value.h"
#include "containers/explode.h"
#include "containers/mem_ini_file_w.h"
#include "containers/string_list_w.h"
#include "platform/png_image.h"
#include "platform/stream.h"

SW_CLASS_DEFINE(TSWPackage, TComponent)

namespace {

constexpr WideStringView kMapEntry = u"MAP";
constexpr WideStringView kRaiseEntry = u"RAISE";

}  // namespace

TSWPackage::TSWPackage(TComponent* owner) : TComponent(owner) {}

// The cache frees everything it holds, which closes the cached files.
TSWPackage::~TSWPackage() = default;

TStream& TSWPackage::Data(const WideString& name) {
  if (std::unique_ptr<TStream> opened = OpenData(name)) cache_.AddOwned(name, std::move(opened));
  TStream* stream = As<TStream>(cache_.Find(name));
  if (stream == nullptr) RaiseNoData(name);
  return *stream;
}

void TSWPackage::RaiseNoData(const WideString& name) const {
  Raise<EListError>(u"%s.Data could not retrieve data with name %s.", {ClassName(), name});
}

TPngImage& TSWPackage::Image(WideStringView name) {
  const WideString key = WideString(u"images\\").append(name).append(u":png");
  if (TPngImage* cached = As<TPngImage>(cache_.Find(key))) return *cached;
  return cache_.AddOwned(key, DecodeImage(WideString(u"images\\").append(name).append(u".png")));
}

std::unique_ptr<TPngImage> TSWPackage::DecodeImage(const WideString& item) {
  TStream& stream = Data(item);
  auto image = std::make_unique<TPngImage>();
  AtPlace([&] { return item; }, [&] { image->LoadFromStream(stream); });
  return image;
}

TMemIniFileW& TSWPackage::Ini(WideStringView name) {
  const WideString key = WideString(name).append(u":ini");
  if (TMemIniFileW* cached = As<TMemIniFileW>(cache_.Find(key))) return *cached;
  auto ini = std::make_unique<TMemIniFileW>();
  ini->LoadFromStream(Data(WideString(name).append(u".ini")));
  ini->SetCaseSensitive(false);
  return cache_.AddOwned(key, std::move(ini));
}

WideString TSWPackage::IniItemName(const TMemIniFileW& ini) const {
  constexpr WideStringView kIniSuffix = u":ini";
  for (int i = 0; i < cache_.Count(); ++i)
    if (cache_.Objects(i) == &ini && cache_.Strings(i).ends_with(kIniSuffix))
      return cache_.Strings(i).substr(0, cache_.Strings(i).size() - kIniSuffix.size()) + u".ini";
  return {};
}

// Reads the item on a stream of its own and parses a copy: checking caches nothing, so the game
// still parses each file once, when it first needs it.
std::optional<WideString> TSWPackage::IniFault(WideStringView name) {
  const WideString item = WideString(name).append(u".ini");
  const std::unique_ptr<TStream> stream = OpenData(item);
  if (stream == nullptr) RaiseNoData(item);
  const std::string bytes = stream->ReadRemaining();
  if (const std::optional<TUtf8Fault> fault = FindUtf8Fault(bytes))
    return u"not UTF-8 text (" + Utf8FaultText(*fault) + u")";
  TStringListW lines;
  lines.SetText(Utf8Decode(bytes));
  TMemIniFileW ini;
  ini.SetStrings(lines);
  TStringListW sections;
  ini.ReadSections(sections);
  if (sections.Count() == 0) return u"empty";
  return std::nullopt;
}

void TSWPackage::RequireReadableIni(WideStringView name) {
  if (const std::optional<WideString> fault = IniFault(name))
    Raise<EInvalidOperation>(u"%s.ini is %s: the game cannot start without it.",
                             {WideString(name), *fault});
}

int64_t TSWPackage::CacheMemory() const {
  int64_t total = 0;
  for (int i = 0; i < cache_.Count(); ++i) {
    const TObject* object = cache_.Objects(i);
    if (object == nullptr) continue;
    total += static_cast<int64_t>(object->InstanceSize());
    if (const TStream* stream = dynamic_cast<const TStream*>(object)) total += stream->Size();
  }
  return total;
}

void TSWPackage::SetConfig(TSWConfig* config) {
  config_ = config;
  FreeNotification(config);
}

void TSWPackage::ComponentFreed(TComponent* component) {
  if (component == config_) config_ = nullptr;
}

const TMemIniFileW& TSWPackage::MapFile(WideStringView section, WideStringView key) const {
  if (const TMemIniFileW* map = config_ ? config_->LoadedMapFile() : nullptr) return *map;
  if (key == NoValue)
    Raise<EInvalidOperation>(u"Cannot look up section [%s] in the map file: no map file is loaded.",
                             {section});
  Raise<EInvalidOperation>(
      u"Cannot read property %s of [%s] from the map file: no map file is loaded.", {key, section});
}

const TMemIniFileW* TSWPackage::Lookup(WideStringView section, WideStringView key, TVarArgs files,
                                       WideString& value) {
  for (const TVarRec& entry : files) {
    const WideString name = VarRecToStr(entry);
    if (name == kRaiseEntry)
      Raise<EStringListError>(
          u"Couldn't find string property %s of [%s] defined in any config file.", {key, section});
    const TMemIniFileW& ini = name == kMapEntry ? MapFile(section, key) : Ini(name);
    if (key == NoValue) {
      if (ini.SectionExists(section)) return &ini;
      continue;
    }
    value = ini.ReadString(section, key, NoValue);
    if (value != NoValue) return &ini;
  }
  value = NoValue;
  return nullptr;
}

const TMemIniFileW* TSWPackage::FindIni(WideStringView section, WideStringView key,
                                        TVarArgs files) {
  WideString value;
  return Lookup(section, key, files, value);
}

const TMemIniFileW* TSWPackage::FindSection(WideStringView section, TVarArgs files) {
  return FindIni(section, NoValue, files);
}

WideString TSWPackage::ReadStr(WideStringView section, WideStringView key, TVarArgs files) {
  WideString value;
  Lookup(section, key, files, value);
  return value;
}

int32_t TSWPackage::ReadInt(WideStringView section, WideStringView key, TVarArgs files) {
  const WideString value = ReadStr(section, key, files);
  if (value == NoValue) return -1;
  const std::optional<int32_t> number = TryStrToInt(value);
  if (!number)
    Raise<EConvertError>(u"Property %s of [%s] must be a number - but %s was given.",
                         {key, section, value});
  return *number;
}

WideString TSWPackage::ReadStrFrom(TVarArgs files, WideStringView section, TVarArgs keys, int index,
                                   WideStringView separator) {
  WideString result = NoValue;
  for (const TVarRec& entry : keys) {
    const WideString key = VarRecToStr(entry);
    if (key == kRaiseEntry)
      Raise<EStringListError>(u"ReadStrFrom failed - couldn't find property from [%s].", {section});
    result = ReadStr(section, key, files);
    if (result != NoValue) break;
  }
  if (index < 0 || result == NoValue) return result;
  // Piece `index` and the unsplit rest are all the split needs to make.
  const int limit = index < INT_MAX - 1 ? index + 2 : INT_MAX;
  std::vector<WideString> pieces = Explode(separator, result, limit);
  if (pieces.size() <= static_cast<size_t>(index))
    Raise<EListError>(u"ReadStrFrom failed - index %d was not found in value \"%s\" of [%s].",
                      {index, result, section});
  return std::move(pieces[index]);
}

int32_t TSWPackage::ReadIntFrom(TVarArgs files, WideStringView section, TVarArgs keys, int index,
                                WideStringView separator) {
  const WideString value = ReadStrFrom(files, section, keys, index, separator);
  if (value == NoValue) return -1;
  const std::optional<int32_t> number = TryStrToInt(value);
  if (!number)
    Raise<EConvertError>(u"Property from [%s] must be a number - but %s was given.",
                         {section, value});
  return *number;
}
