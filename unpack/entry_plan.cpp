#include "unpack/entry_plan.h"

#include "unpack/entry_attributes.h"

namespace unpack {

PlanResult PlanEntry(const RawEntry& entry) {
  PlanResult result;
  const WideName decoded = DecodeUtf8(entry.name);
  if (decoded.size() > kMaxNameUnits) {
    result.failure = PlanFailure::NameTooLong;
    return result;
  }
  const WideName cleaned = CleanEntryName(decoded);
  auto components = SafeComponents(cleaned);
  if (!components) {
    result.failure = PlanFailure::UnsafeName;
    return result;
  }
  EntryPlan& plan = result.plan;
  plan.attributes = EntryAttributes(entry.versionMadeBy, entry.externalAttributes);
  const bool endsInSeparator = !cleaned.empty() && (cleaned.back() == u'/' || cleaned.back() == u'\\');
  plan.kind = (plan.attributes & kDirectory) || endsInSeparator ? EntryKind::Folder : EntryKind::File;
  if (plan.kind == EntryKind::File && components->empty()) {
    result.failure = PlanFailure::UnsafeName;  // a file needs a name
    return result;
  }
  plan.components = std::move(*components);
  plan.times = EntryFileTimes(entry.dosDateTime, entry.extraField);
  return result;
}

}  // namespace unpack
