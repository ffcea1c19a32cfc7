#pragma once
// Case-insensitive, localized name ordering (ICU, secondary strength: "a"
// and "A" tie, accents still count). Every list that sorts names or labels
// uses it with a stable sort, so ties keep their found order.
// Thread-safe: a collator is built once per locale and only read afterwards.

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class Collator;
U_NAMESPACE_END

namespace tidewell::base {

class NameCollator {
 public:
  // locale: an ICU locale id such as "en_US" or "sv_SE"; "" takes the
  // process locale (from LC_ALL / LC_COLLATE / LANG). The POSIX and C
  // locales order by code point, which is not case-insensitive, so they
  // fall back to "en_US".
  explicit NameCollator(std::string_view locale = "");
  ~NameCollator();
  NameCollator(const NameCollator&);
  NameCollator& operator=(const NameCollator&);

  // < 0, 0 or > 0, comparing UTF-8 texts (invalid bytes compare as U+FFFD).
  int compare(std::string_view a, std::string_view b) const;
  bool less(std::string_view a, std::string_view b) const { return compare(a, b) < 0; }

  // The collator of the process locale, shared by the engine.
  static const NameCollator& shared();

  // Stable sort of items by key(item), ascending.
  template <typename T, typename Key>
  void stableSort(std::vector<T>& items, Key key) const {
    std::stable_sort(items.begin(), items.end(),
                     [&](const T& a, const T& b) { return less(key(a), key(b)); });
  }

 private:
  std::shared_ptr<const icu::Collator> collator_;
};

}  // namespace tidewell::base
