#pragma once
// The data package: serves items (configuration files, the language file, images, map files) by
// name as byte streams, and keeps every stream, decoded image and parsed ini file it produced
// for the rest of the run. It also answers the property lookups that search an ordered list of
// configuration files, because it owns those files.
//
// A file list holds file names (without ".ini") and two markers: "MAP", the loaded map file,
// and "RAISE", which fails the lookup when the entries before it did not define the property.
// Entries are typed arguments of a character or string kind.
#include <cstdint>
#include <memory>
#include <optional>

#include "base/component.h"
#include "base/var_rec.h"
#include "containers/object_hash.h"

class TMemIniFileW;
class TPngImage;
class TStream;
class TSWConfig;

class TSWPackage : public TComponent {
  SW_CLASS(TSWPackage)

  explicit TSWPackage(TComponent* owner = nullptr);
  ~TSWPackage() override;

  // A new stream over the item, positioned at 0, or nullptr when there is no such item.
  virtual std::unique_ptr<TStream> OpenData(const WideString& name) = 0;

  // The item's stream, opened afresh and cached under `name` (the newest stream of a name is
  // the one found). Fails with "%s.Data could not retrieve data with name %s." (EListError)
  // when nothing is cached under the name.
  TStream& Data(const WideString& name);
  // The image of the item "images\" + name + ".png", decoded once and cached under
  // "images\" + name + ":png". A decoding failure caches nothing.
  TPngImage& Image(WideStringView name);
  // The ini of the item name + ".ini", parsed once, case-insensitive, cached under name + ":ini".
  TMemIniFileW& Ini(WideStringView name);
  // The PNG image of the item, decoded afresh, not cached. Decoding failures name the item:
  // "images\cell.png: Not enough image data"; a missing item fails as Data does.
  std::unique_ptr<TPngImage> DecodeImage(const WideString& item);
  // What keeps the ini item name + ".ini" from being read as written, which Ini would read as a
  // file without sections: "not UTF-8 text (byte E9 at line 12)" or "empty"; nothing when it
  // reads. Fails as Data does when it is missing.
  std::optional<WideString> IniFault(WideStringView name);
  // Fails with "%s.ini is %s: the game cannot start without it." (EInvalidOperation), the name
  // and its IniFault, for a file the game needs; as Data does when it is missing.
  void RequireReadableIni(WideStringView name);

  // The item an ini of the cache was parsed from ("maps\\genesis.ini"), for messages; empty for
  // an ini the package did not make.
  WideString IniItemName(const TMemIniFileW& ini) const;

  // Cache keys in the order the entries were made, for the debug listing.
  const TObjectHash& Cache() const { return cache_; }
  // Bytes held by the cache: every object's instance size plus the length of every stream.
  int64_t CacheMemory() const;

  // The store using this package; the "MAP" entry reaches the loaded map file through it.
  TSWConfig* Config() const { return config_; }
  void SetConfig(TSWConfig* config);

  // The first file of `files` that defines `key` in `section` (an empty value counts), or, when
  // `key` is NoValue, that has the section; nullptr when none does.
  const TMemIniFileW* FindIni(WideStringView section, WideStringView key, TVarArgs files);
  const TMemIniFileW* FindSection(WideStringView section, TVarArgs files);
  // The value as the first defining file holds it, or NoValue.
  WideString ReadStr(WideStringView section, WideStringView key, TVarArgs files);
  // The value as a 32-bit integer, or -1 when no file defines it. Fails with
  // "Property %s of [%s] must be a number - but %s was given." (EConvertError).
  int32_t ReadInt(WideStringView section, WideStringView key, TVarArgs files);
  // The value of the first key of `keys` that some file defines (a "RAISE" key fails when
  // reached); with `index` 0 or more, only that piece of it, split by `separator`.
  WideString ReadStrFrom(TVarArgs files, WideStringView section, TVarArgs keys, int index = -1,
                         WideStringView separator = u" ");
  // ReadStrFrom as an integer, or -1 when nothing was found. Fails with
  // "Property from [%s] must be a number - but %s was given." (EConvertError).
  int32_t ReadIntFrom(TVarArgs files, WideStringView section, TVarArgs keys, int index = -1,
                      WideStringView separator = u" ");

 protected:
  void ComponentFreed(TComponent* component) override;

 private:
  // The first file that qualifies, with the key's value in `value` when a key was asked for.
  const TMemIniFileW* Lookup(WideStringView section, WideStringView key, TVarArgs files,
                             WideString& value);
  const TMemIniFileW& MapFile(WideStringView section, WideStringView key) const;
  // "%s.Data could not retrieve data with name %s." (EListError).
  [[noreturn]] void RaiseNoData(const WideString& name) const;
  TObjectHash cache_;  // owning
  TSWConfig* config_ = nullptr;
};
