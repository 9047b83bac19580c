#include "skin/markup/skin_markup.h"

#include <algorithm>
#include <cwchar>

#include "skin/markup/markup_text_decoding.h"

namespace {

constexpr std::size_t kMaxErrorMessage = 99;
constexpr std::size_t kMaxErrorLocation = 49;

std::wstring Prefix(const wchar_t* text, std::size_t limit) {
  std::size_t n = 0;
  while (n < limit && text[n] != 0) ++n;
  return std::wstring(text, n);
}

}  // namespace

// Nodes -------------------------------------------------------------------

// A node kept across a reload of its document still answers safely.
bool CSkinMarkupNode::IsValid() const { return doc_ != nullptr && element_ < doc_->elements_.size(); }

CSkinMarkupNode CSkinMarkupNode::Parent() const {
  if (!IsValid()) return {};
  const std::size_t parent = doc_->elements_[element_].parent;
  return parent == 0 ? CSkinMarkupNode() : CSkinMarkupNode(doc_, parent);
}

CSkinMarkupNode CSkinMarkupNode::FirstChild() const {
  if (!IsValid()) return {};
  const std::size_t child = doc_->elements_[element_].firstChild;
  return child == 0 ? CSkinMarkupNode() : CSkinMarkupNode(doc_, child);
}

CSkinMarkupNode CSkinMarkupNode::NextSibling() const {
  if (!IsValid()) return {};
  const std::size_t next = doc_->elements_[element_].nextSibling;
  return next == 0 ? CSkinMarkupNode() : CSkinMarkupNode(doc_, next);
}

bool CSkinMarkupNode::HasChildren() const { return IsValid() && doc_->elements_[element_].firstChild != 0; }

const wchar_t* CSkinMarkupNode::Name() const {
  return IsValid() ? doc_->text_.data() + doc_->elements_[element_].name : L"";
}

const wchar_t* CSkinMarkupNode::Text() const {
  return IsValid() ? doc_->text_.data() + doc_->elements_[element_].text : L"";
}

std::size_t CSkinMarkupNode::AttributeCount() const {
  return IsValid() ? std::min(doc_->elements_[element_].attributeCount, kMaxAttributes) : 0;
}

const wchar_t* CSkinMarkupNode::AttributeName(std::size_t index) const {
  if (index >= AttributeCount()) return L"";
  const std::size_t attribute = doc_->elements_[element_].firstAttribute + index;
  return doc_->text_.data() + doc_->attributes_[attribute].name;
}

const wchar_t* CSkinMarkupNode::AttributeValue(std::size_t index) const {
  if (index >= AttributeCount()) return L"";
  const std::size_t attribute = doc_->elements_[element_].firstAttribute + index;
  return doc_->text_.data() + doc_->attributes_[attribute].value;
}

bool CSkinMarkupNode::HasAttribute(const wchar_t* name) const {
  for (std::size_t i = 0, n = AttributeCount(); i < n; ++i) {
    if (std::wcscmp(AttributeName(i), name) == 0) return true;
  }
  return false;
}

const wchar_t* CSkinMarkupNode::AttributeValue(const wchar_t* name) const {
  for (std::size_t i = 0, n = AttributeCount(); i < n; ++i) {
    if (std::wcscmp(AttributeName(i), name) == 0) return AttributeValue(i);
  }
  return L"";
}

// Document ----------------------------------------------------------------

CSkinMarkup::CSkinMarkup() = default;
CSkinMarkup::~CSkinMarkup() = default;

void CSkinMarkup::Release() {
  text_ = {};
  elements_ = {};
  attributes_ = {};
}

bool CSkinMarkup::LoadFromString(const wchar_t* text) {
  Release();
  errorMessage_.clear();
  errorLocation_.clear();
  if (text == nullptr) return false;
  text_.assign(text, text + std::wcslen(text) + 1);
  return Parse();
}

bool CSkinMarkup::LoadFromMemory(const void* bytes, std::size_t length, MarkupEncoding encoding) {
  Release();
  errorMessage_.clear();
  errorLocation_.clear();
  if (bytes == nullptr && length != 0) return false;
  if (!DecodeMarkupText(static_cast<const unsigned char*>(bytes), length, encoding, text_)) return false;
  return Parse();
}

bool CSkinMarkup::LoadFromFile(const std::wstring& name, MarkupEncoding encoding, const CSkinSource& source) {
  std::vector<unsigned char> bytes;
  const SkinReadStatus status = source.ReadSkinFile(name, bytes);
  if (status != SkinReadStatus::Ok) {
    Release();
    SetError(SkinReadStatusText(status), name.c_str());
    return false;
  }
  return LoadFromMemory(bytes.data(), bytes.size(), encoding);
}

CSkinMarkupNode CSkinMarkup::Root() const {
  if (elements_.empty() || elements_[0].firstChild == 0) return {};
  return CSkinMarkupNode(this, elements_[0].firstChild);
}

void CSkinMarkup::SetError(const wchar_t* message, const wchar_t* location) {
  errorMessage_ = Prefix(message, kMaxErrorMessage);
  errorLocation_ = Prefix(location, kMaxErrorLocation);
}
