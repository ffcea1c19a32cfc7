#include "base/NameCollator.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/stringpiece.h>

#include <cstdlib>
#include <map>
#include <mutex>

namespace tidewell::base {

namespace {

std::string processLocale() {
  for (const char* name : {"LC_ALL", "LC_COLLATE", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) return value;
  }
  return {};
}

// "sv_SE.UTF-8@euro" -> "sv_SE"; POSIX/C and empty -> "en_US".
std::string icuLocaleId(std::string_view requested) {
  std::string id(requested.substr(0, requested.find_first_of(".@")));
  if (id.empty() || id == "C" || id == "POSIX" || id.rfind("en_US_POSIX", 0) == 0) return "en_US";
  return id;
}

std::shared_ptr<const icu::Collator> collatorFor(const std::string& id) {
  static std::mutex mutex;
  static std::map<std::string, std::shared_ptr<const icu::Collator>> cache;
  std::lock_guard lock(mutex);
  auto& slot = cache[id];
  if (!slot) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> made(icu::Collator::createInstance(icu::Locale(id.c_str()), status));
    if (U_FAILURE(status) || !made) {
      status = U_ZERO_ERROR;
      made.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
    }
    if (made) made->setStrength(icu::Collator::SECONDARY);
    slot = std::move(made);
  }
  return slot;
}

}  // namespace

NameCollator::NameCollator(std::string_view locale)
    : collator_(collatorFor(icuLocaleId(locale.empty() ? processLocale() : std::string(locale)))) {}

NameCollator::~NameCollator() = default;
NameCollator::NameCollator(const NameCollator&) = default;
NameCollator& NameCollator::operator=(const NameCollator&) = default;

int NameCollator::compare(std::string_view a, std::string_view b) const {
  if (!collator_) return a.compare(b);
  UErrorCode status = U_ZERO_ERROR;
  UCollationResult result = collator_->compareUTF8(icu::StringPiece(a.data(), int32_t(a.size())),
                                                   icu::StringPiece(b.data(), int32_t(b.size())), status);
  if (U_FAILURE(status)) return a.compare(b);
  return int(result);
}

const NameCollator& NameCollator::shared() {
  static const NameCollator instance;
  return instance;
}

}  // namespace tidewell::base
