// Feeds arbitrary bytes to the markup parser in each encoding and walks the
// resulting tree, reading every name, text and attribute.

#include <cstddef>
#include <cstdint>
#include <cwchar>

#include "skin/markup/skin_markup.h"

namespace {

std::size_t Walk(CSkinMarkupNode node) {
  std::size_t sum = 0;
  // Siblings iteratively, children by an explicit walk so deep input cannot
  // exhaust the stack here either.
  while (node.IsValid()) {
    sum += std::wcslen(node.Name()) + std::wcslen(node.Text());
    for (std::size_t i = 0; i < node.AttributeCount(); ++i) {
      sum += std::wcslen(node.AttributeName(i)) + std::wcslen(node.AttributeValue(i));
      sum += std::wcslen(node.AttributeValue(node.AttributeName(i)));
    }
    if (node.HasChildren()) {
      node = node.FirstChild();
      continue;
    }
    while (node.IsValid() && !node.NextSibling().IsValid()) node = node.Parent();
    if (node.IsValid()) node = node.NextSibling();
  }
  return sum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto encoding = static_cast<MarkupEncoding>(data[0] % 3);
  CSkinMarkup doc;
  doc.SetPreserveWhitespace((data[0] & 0x80) == 0);
  if (doc.LoadFromMemory(data + 1, size - 1, encoding)) {
    volatile std::size_t sink = Walk(doc.Root());
    (void)sink;
  } else {
    volatile std::size_t sink = doc.ErrorMessage().size() + doc.ErrorLocation().size();
    (void)sink;
  }
  return 0;
}
