// TStrings and TStringList: the platform's list of texts (items of combo boxes, radio
// groups and list boxes, lines of memos, Name=Value pairs of value-list editors).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/component.h"
#include "platform/exceptions.h"

namespace platform {

// A list index out of range, a duplicate refused by a list.
class EStringListError : public Exception {
 public:
  using Exception::Exception;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };

// The list interface. Indexes out of range raise EStringListError, as the platform does.
class TStrings : public TObject {
 public:
  virtual int Count() const = 0;
  virtual std::string Get(int index) const = 0;
  virtual void Put(int index, const std::string& text) = 0;
  virtual TObject* GetObject(int index) const = 0;
  virtual void PutObject(int index, TObject* object) = 0;
  // Inserts before index (index == Count appends).
  virtual void Insert(int index, const std::string& text) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  // Appends (or, in a sorted list, inserts in order) and returns the new index.
  virtual int Add(const std::string& text);
  int AddObject(const std::string& text, TObject* object);
  void AddStrings(const TStrings& other);
  void Assign(const TStrings& other);
  // First index whose text matches ignoring letter case, or -1.
  virtual int IndexOf(std::string_view text) const;
  int IndexOfName(std::string_view name) const;
  int IndexOfObject(const TObject* object) const;
  std::string operator[](int index) const { return Get(index); }

  // All lines, each followed by CR LF. Setting splits at CR LF, LF or CR.
  std::string Text() const;
  void SetText(std::string_view text);
  // Comma-separated, quoting items with blanks, commas or quotes.
  std::string CommaText() const;

  // Name=Value pairs: the name before the first '=', the value after it.
  std::string Names(int index) const;
  std::string ValueFromIndex(int index) const;
  // The value of the first line whose name matches ignoring letter case, or "".
  std::string Values(std::string_view name) const;
  // Sets, adds or (with an empty value) removes the line of that name.
  void SetValue(std::string_view name, const std::string& value);

  bool Equals(const TStrings& other) const;
  void BeginUpdate() { ++update_count_; }
  void EndUpdate();

  std::function<void(TStrings&)> OnChange;

 protected:
  void Changed();
  void CheckIndex(int index, int limit) const;

 private:
  int update_count_ = 0;
  bool changed_while_updating_ = false;
};

class TStringList : public TStrings {
 public:
  int Count() const override { return static_cast<int>(items_.size()); }
  std::string Get(int index) const override;
  void Put(int index, const std::string& text) override;
  TObject* GetObject(int index) const override;
  void PutObject(int index, TObject* object) override;
  void Insert(int index, const std::string& text) override;
  void Delete(int index) override;
  void Clear() override;
  int Add(const std::string& text) override;
  int IndexOf(std::string_view text) const override;

  bool Sorted() const { return sorted_; }
  // Sorting orders the items ignoring letter case and keeps later additions in order.
  void SetSorted(bool sorted);
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates d) { duplicates_ = d; }
  void Sort();
  void Exchange(int a, int b);
  // Binary search of a sorted list: true and the index when found, else the insert point.
  bool Find(std::string_view text, int& index) const;

  // A small per-item state the owning control keeps beside the text (the check mark of a
  // check list box); it moves with the item when the list is sorted or changed.
  int32_t ItemState(int index) const;
  void SetItemState(int index, int32_t state);

 private:
  struct Item {
    std::string text;
    TObject* object = nullptr;
    int32_t state = 0;
  };
  std::vector<Item> items_;
  bool sorted_ = false;
  TDuplicates duplicates_ = TDuplicates::dupIgnore;
};

// Case-insensitive comparison of texts as the platform's string lists sort them (the
// user's locale collation; ICU). Negative, zero or positive.
int CompareTextLocale(std::string_view a, std::string_view b);
// True when the texts are equal ignoring letter case (Unicode case folding).
bool SameTextUnicode(std::string_view a, std::string_view b);

}  // namespace platform
