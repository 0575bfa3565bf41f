#pragma once
// The header of the loaded map file: title, author, date, and the introduction text and its
// background picture, read from the data package.
#include <memory>

#include "base/tobject.h"
#include "base/wide_string.h"
#include "platform/memory_stream.h"
#include "platform/png_image.h"

class TMemIniFileW;
class TSWPackage;

class TSWMapInfo : public TObject {
  SW_CLASS(TSWMapInfo)

  TSWMapInfo();
  ~TSWMapInfo() override;

  // Without a package the introduction and its picture are not loaded.
  TSWPackage* Package() const { return package_; }
  void SetPackage(TSWPackage* package) { package_ = package; }

  // Reads [General]: Name, Author and Date (defaults "Unidentified map", "Anonymous creator",
  // "Unknown epoch"; an empty value stays empty), then with a package the items Intro and
  // BkImage name. An introduction that cannot be read leaves the map without one; a picture
  // that cannot be read fails the load.
  void LoadFrom(const TMemIniFileW& ini);

  const WideString& Name() const { return name_; }
  const WideString& Author() const { return author_; }
  const WideString& Date() const { return date_; }
  bool HasIntro() const { return hasIntro_; }
  // The introduction's bytes, positioned at 0 when loaded; nullptr without one.
  TMemoryStream* Intro() const { return intro_.get(); }
  // The picture behind the introduction; nullptr without one.
  TPngImage* BkImage() const { return bkImage_.get(); }

 private:
  void LoadIntro(const WideString& item);
  void LoadBkImage(const WideString& item);

  TSWPackage* package_ = nullptr;
  WideString name_;
  WideString author_;
  WideString date_;
  bool hasIntro_ = false;
  std::unique_ptr<TMemoryStream> intro_;
  std::unique_ptr<TPngImage> bkImage_;
};
