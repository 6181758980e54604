#include "platform/strings.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>
#include <string>

namespace platform {

namespace {

std::unique_ptr<icu::Collator> MakeCollator() {
  UErrorCode status = U_ZERO_ERROR;
  // Without a language of its own (LANG unset or C) the process reports the POSIX locale,
  // whose collation is code-point order with capitals first; the root collation is what
  // a user's language starts from.
  icu::Locale locale = icu::Locale::getDefault();
  if (std::string(locale.getVariant()) == "POSIX" || std::string(locale.getLanguage()).empty()) {
    locale = icu::Locale::getRoot();
  }
  std::unique_ptr<icu::Collator> c(icu::Collator::createInstance(locale, status));
  if (U_FAILURE(status) || c == nullptr) {
    status = U_ZERO_ERROR;
    c.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
  }
  // Secondary strength: letter case is ignored, accents are not.
  if (c != nullptr) c->setStrength(icu::Collator::SECONDARY);
  return c;
}

bool NeedsQuotes(const std::string& s) {
  if (s.empty()) return true;
  return std::any_of(s.begin(), s.end(), [](char c) {
    return static_cast<unsigned char>(c) <= ' ' || c == ',' || c == '"';
  });
}

}  // namespace

int CompareTextLocale(std::string_view a, std::string_view b) {
  // The collator is immutable after creation; one per process is enough.
  static const std::unique_ptr<icu::Collator> collator = MakeCollator();
  const auto ua = icu::UnicodeString::fromUTF8(icu::StringPiece(a.data(), a.size()));
  const auto ub = icu::UnicodeString::fromUTF8(icu::StringPiece(b.data(), b.size()));
  if (collator == nullptr) return ua.caseCompare(ub, U_FOLD_CASE_DEFAULT);
  UErrorCode status = U_ZERO_ERROR;
  const UCollationResult r = collator->compare(ua, ub, status);
  if (U_FAILURE(status)) return ua.caseCompare(ub, U_FOLD_CASE_DEFAULT);
  if (r != UCOL_EQUAL) return r == UCOL_LESS ? -1 : 1;
  // Texts the collator counts equal but that differ ignoring case only by code points
  // still need a stable order.
  return ua.caseCompare(ub, U_FOLD_CASE_DEFAULT);
}

bool SameTextUnicode(std::string_view a, std::string_view b) {
  if (a == b) return true;
  const auto ua = icu::UnicodeString::fromUTF8(icu::StringPiece(a.data(), a.size()));
  const auto ub = icu::UnicodeString::fromUTF8(icu::StringPiece(b.data(), b.size()));
  return ua.caseCompare(ub, U_FOLD_CASE_DEFAULT) == 0;
}

// --- TStrings -------------------------------------------------------------------------

void TStrings::CheckIndex(int index, int limit) const {
  if (index < 0 || index >= limit) {
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
  }
}

void TStrings::Changed() {
  if (update_count_ > 0) {
    changed_while_updating_ = true;
    return;
  }
  if (OnChange) OnChange(*this);
}

void TStrings::EndUpdate() {
  if (update_count_ > 0) --update_count_;
  if (update_count_ == 0 && changed_while_updating_) {
    changed_while_updating_ = false;
    Changed();
  }
}

int TStrings::Add(const std::string& text) {
  const int index = Count();
  Insert(index, text);
  return index;
}

int TStrings::AddObject(const std::string& text, TObject* object) {
  const int index = Add(text);
  if (index >= 0) PutObject(index, object);
  return index;
}

void TStrings::AddStrings(const TStrings& other) {
  BeginUpdate();
  for (int i = 0; i < other.Count(); ++i) AddObject(other.Get(i), other.GetObject(i));
  EndUpdate();
}

void TStrings::Assign(const TStrings& other) {
  if (&other == this) return;
  BeginUpdate();
  Clear();
  AddStrings(other);
  EndUpdate();
}

int TStrings::IndexOf(std::string_view text) const {
  for (int i = 0; i < Count(); ++i) {
    if (SameTextUnicode(Get(i), text)) return i;
  }
  return -1;
}

int TStrings::IndexOfName(std::string_view name) const {
  for (int i = 0; i < Count(); ++i) {
    const std::string line = Get(i);
    const size_t eq = line.find('=');
    if (eq != std::string::npos && SameTextUnicode(std::string_view(line).substr(0, eq), name)) {
      return i;
    }
  }
  return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < Count(); ++i) {
    if (GetObject(i) == object) return i;
  }
  return -1;
}

std::string TStrings::Text() const {
  std::string text;
  for (int i = 0; i < Count(); ++i) {
    text += Get(i);
    text += "\r\n";
  }
  return text;
}

void TStrings::SetText(std::string_view text) {
  BeginUpdate();
  Clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    Add(std::string(text.substr(start, end - start)));
    if (end < text.size() && text[end] == '\r') ++end;
    if (end < text.size() && text[end] == '\n') ++end;
    start = end;
  }
  EndUpdate();
}

std::string TStrings::CommaText() const {
  std::string result;
  for (int i = 0; i < Count(); ++i) {
    if (i > 0) result += ',';
    const std::string item = Get(i);
    if (!NeedsQuotes(item)) {
      result += item;
      continue;
    }
    result += '"';
    for (char c : item) {
      if (c == '"') result += '"';
      result += c;
    }
    result += '"';
  }
  return result;
}

std::string TStrings::Names(int index) const {
  const std::string line = Get(index);
  const size_t eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(0, eq);
}

std::string TStrings::ValueFromIndex(int index) const {
  const std::string line = Get(index);
  const size_t eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

std::string TStrings::Values(std::string_view name) const {
  const int index = IndexOfName(name);
  return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStrings::SetValue(std::string_view name, const std::string& value) {
  const int index = IndexOfName(name);
  if (value.empty()) {
    if (index >= 0) Delete(index);
    return;
  }
  const std::string line = std::string(name) + "=" + value;
  if (index >= 0) {
    Put(index, line);
  } else {
    Add(line);
  }
}

bool TStrings::Equals(const TStrings& other) const {
  if (Count() != other.Count()) return false;
  for (int i = 0; i < Count(); ++i) {
    if (Get(i) != other.Get(i)) return false;
  }
  return true;
}

// --- TStringList ----------------------------------------------------------------------

std::string TStringList::Get(int index) const {
  CheckIndex(index, Count());
  return items_[index].text;
}

void TStringList::Put(int index, const std::string& text) {
  if (sorted_) throw EStringListError("Operation not allowed on sorted string list");
  CheckIndex(index, Count());
  items_[index].text = text;
  Changed();
}

TObject* TStringList::GetObject(int index) const {
  CheckIndex(index, Count());
  return items_[index].object;
}

void TStringList::PutObject(int index, TObject* object) {
  CheckIndex(index, Count());
  items_[index].object = object;
}

void TStringList::Insert(int index, const std::string& text) {
  if (sorted_) throw EStringListError("Operation not allowed on sorted string list");
  CheckIndex(index, Count() + 1);
  items_.insert(items_.begin() + index, Item{text});
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index, Count());
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed();
}

int TStringList::Add(const std::string& text) {
  if (!sorted_) return TStrings::Add(text);
  int index = 0;
  if (Find(text, index)) {
    if (duplicates_ == TDuplicates::dupIgnore) return index;
    if (duplicates_ == TDuplicates::dupError) {
      throw EStringListError("String list does not allow duplicates");
    }
  }
  items_.insert(items_.begin() + index, Item{text});
  Changed();
  return index;
}

int TStringList::IndexOf(std::string_view text) const {
  if (!sorted_) return TStrings::IndexOf(text);
  int index = 0;
  return Find(text, index) ? index : -1;
}

void TStringList::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  if (sorted) Sort();
  sorted_ = sorted;
}

void TStringList::Sort() {
  std::stable_sort(items_.begin(), items_.end(), [](const Item& a, const Item& b) {
    return CompareTextLocale(a.text, b.text) < 0;
  });
  Changed();
}

void TStringList::Exchange(int a, int b) {
  CheckIndex(a, Count());
  CheckIndex(b, Count());
  std::swap(items_[a], items_[b]);
  Changed();
}

bool TStringList::Find(std::string_view text, int& index) const {
  int lo = 0;
  int hi = Count() - 1;
  bool found = false;
  while (lo <= hi) {
    const int mid = (lo + hi) / 2;
    const int c = CompareTextLocale(items_[mid].text, text);
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) found = true;
    }
  }
  index = lo;
  return found;
}

int32_t TStringList::ItemState(int index) const {
  CheckIndex(index, Count());
  return items_[index].state;
}

void TStringList::SetItemState(int index, int32_t state) {
  CheckIndex(index, Count());
  items_[index].state = state;
}

}  // namespace platform
