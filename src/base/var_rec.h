#pragma once
// A typed argument: the tagged value passed in variable argument lists (file lists, key lists,
// format arguments). The kind numbers are part of messages and must not change.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "base/wide_string.h"

class TObject;
struct TClass;

enum TVarKind : int {
  vtInteger = 0,
  vtBoolean = 1,
  vtChar = 2,
  vtExtended = 3,
  vtString = 4,
  vtPointer = 5,
  vtPChar = 6,
  vtObject = 7,
  vtClass = 8,
  vtWideChar = 9,
  vtPWideChar = 10,
  vtAnsiString = 11,
  vtCurrency = 12,
  vtVariant = 13,
  vtInterface = 14,
  vtWideString = 15,
  vtInt64 = 16,
};

class TVarRec {
 public:
  TVarRec(int value) : kind_(vtInteger), int_(value) {}
  TVarRec(unsigned value) : kind_(vtInt64), int_(value) {}
  TVarRec(long value) : kind_(vtInt64), int_(value) {}
  TVarRec(long long value) : kind_(vtInt64), int_(value) {}
  TVarRec(unsigned long value) : kind_(vtInt64), int_(static_cast<int64_t>(value)) {}
  TVarRec(bool value) : kind_(vtBoolean), int_(value) {}
  TVarRec(double value) : kind_(vtExtended), float_(value) {}
  TVarRec(char value) : kind_(vtChar), narrow_(1, value) {}
  TVarRec(char16_t value) : kind_(vtWideChar), wide_(1, value) {}
  TVarRec(const char* value) : kind_(vtPChar), narrow_(value ? value : "") {}
  TVarRec(std::string value) : kind_(vtAnsiString), narrow_(std::move(value)) {}
  TVarRec(const char16_t* value) : kind_(vtPWideChar), wide_(value ? value : u"") {}
  TVarRec(WideString value) : kind_(vtWideString), wide_(std::move(value)) {}
  TVarRec(WideStringView value) : kind_(vtWideString), wide_(value) {}
  TVarRec(const TObject* value) : kind_(vtObject), pointer_(value) {}
  TVarRec(const TClass* value) : kind_(vtClass), pointer_(value) {}
  TVarRec(const void* value) : kind_(vtPointer), pointer_(value) {}
  TVarRec(std::nullptr_t) : kind_(vtPointer), pointer_(nullptr) {}

  // Kinds that have no natural C++ source type.
  static TVarRec ShortString(std::string value);
  static TVarRec Currency(double value);
  static TVarRec OfKind(TVarKind kind);  // an empty value of any kind, for kinds nothing else makes

  TVarKind Kind() const { return kind_; }
  bool IsInteger() const { return kind_ == vtInteger || kind_ == vtInt64; }
  bool IsFloat() const { return kind_ == vtExtended || kind_ == vtCurrency; }
  bool IsText() const;
  int64_t AsInt64() const { return int_; }
  double AsFloat() const { return float_; }
  const void* AsPointer() const { return pointer_; }
  // The text of a character or string kind; narrow text is read as UTF-8.
  WideString AsText() const;

 private:
  explicit TVarRec(TVarKind kind) : kind_(kind) {}

  TVarKind kind_;
  int64_t int_ = 0;
  double float_ = 0;
  const void* pointer_ = nullptr;
  std::string narrow_;
  WideString wide_;
};

// A borrowed view of an argument list; built from a braced list at the call site or a vector.
class TVarArgs {
 public:
  TVarArgs() = default;
  // The view lives only as long as the call's full expression, like the braced list itself.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winit-list-lifetime"
  TVarArgs(std::initializer_list<TVarRec> list) : data_(list.begin()), size_(list.size()) {}
#pragma GCC diagnostic pop
  TVarArgs(const std::vector<TVarRec>& list) : data_(list.data()), size_(list.size()) {}

  const TVarRec* begin() const { return data_; }
  const TVarRec* end() const { return data_ + size_; }
  size_t size() const { return size_; }
  const TVarRec& operator[](size_t index) const { return data_[index]; }

 private:
  const TVarRec* data_ = nullptr;
  size_t size_ = 0;
};

// The text of a character or string argument other than a narrow-character pointer; any other
// kind fails with "Couldn't convert VarRec of type %d to string.".
WideString VarRecToStr(const TVarRec& value);
