#pragma once
// The abstract list of (wide string, object) pairs: name=value helpers, text as lines, UTF-8
// loading and saving, and the update bracket that holds back change notifications.
#include <vector>

#include "base/tobject.h"
#include "base/wide_string.h"

class TStream;

class TStringsW : public TObject {
  SW_CLASS(TStringsW)

  virtual int Count() const = 0;
  // Index checks fail with "List index out of bounds (%d)" (EStringListError).
  virtual const WideString& Strings(int index) const = 0;
  virtual void SetStrings(int index, const WideString& s) = 0;
  virtual TObject* Objects(int index) const = 0;
  virtual void SetObjects(int index, TObject* object) = 0;

  // Both return the index the string went to.
  int Add(const WideString& s) { return AddObject(s, nullptr); }
  virtual int AddObject(const WideString& s, TObject* object) = 0;
  void Insert(int index, const WideString& s) { InsertObject(index, s, nullptr); }
  virtual void InsertObject(int index, const WideString& s, TObject* object) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  // Appends every string and object of `source`, in order.
  void AddStrings(const TStringsW& source);

  // The first item equal to `s` (case per CompareStrings), or -1.
  virtual int IndexOf(WideStringView s) const;
  // The first item whose text is `name`, the separator and a value, or -1.
  virtual int IndexOfName(WideStringView name) const;
  // Delete the item IndexOf / IndexOfName finds; true when one was deleted.
  bool DeleteString(WideStringView s);
  bool DeleteName(WideStringView name);

  char16_t NameValueSeparator() const { return nameValueSeparator_; }
  virtual void SetNameValueSeparator(char16_t separator) { nameValueSeparator_ = separator; }
  // The text before the first separator; empty when the item has none.
  WideString Names(int index) const;
  // The text after `name` and the separator of the item IndexOfName finds; empty when none.
  WideString Values(WideStringView name) const;

  // Every item followed by CR LF.
  WideString Text() const;
  // Replaces the items by the lines of `text`: a line ends at CR, LF or CR LF, and text after
  // the last line end is a final line.
  void SetText(WideStringView text);

  // Decodes the bytes from the stream's position to its end as UTF-8; a byte-order mark is kept
  // as U+FEFF, malformed text loads as no lines at all.
  void LoadFromStream(TStream& stream);
  // Like LoadFromStream, but a leading UTF-8 byte-order mark is skipped.
  void LoadFromFile(const WideString& fileName);
  // Writes Text as UTF-8 without a byte-order mark.
  void SaveToStream(TStream& stream) const;
  // Replaces the file atomically; fails with the file-create message.
  void SaveToFile(const WideString& fileName) const;

  // The first BeginUpdate and the last EndUpdate tell the list that an update starts or ends.
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return updateCount_ > 0; }
  // Runs `action` between BeginUpdate and EndUpdate, closing the bracket on failure too.
  template <class Action>
  void UpdateWith(Action action) {
    BeginUpdate();
    try {
      action();
    } catch (...) {
      EndUpdate();
      throw;
    }
    EndUpdate();
  }

 protected:
  virtual void SetUpdateState(bool /*updating*/) {}
  virtual int CompareStrings(WideStringView a, WideStringView b) const;
  // The separator position in item `index`, or npos.
  size_t SeparatorPos(int index) const { return Strings(index).find(nameValueSeparator_); }

 private:
  int updateCount_ = 0;
  char16_t nameValueSeparator_ = u'=';
};

// The part of a "name=value" line before its first "=", or the whole line without one.
WideString LineName(WideStringView line);
// The part of a line after its first "=", or nothing without one.
WideString LineValue(WideStringView line);
// The items' strings, in list order.
std::vector<WideString> StringsOf(const TStringsW& list);
