#include "viewer_window.h"

#include <cstdio>
#include <vector>

#include "skin/markup/utf16_text.h"
#include "skin/toolkit/skin_label.h"

namespace {

void Report(const std::wstring& line) {
  std::printf("%s\n", Utf16ToUtf8(line).c_str());
  std::fflush(stdout);
}

}  // namespace

CViewerWnd::CViewerWnd(const ViewerOptions& options) : options_(options) {
  Create(nullptr, options.title.c_str(), WS_VISIBLE | WS_OVERLAPPEDWINDOW, WS_EX_WINDOWEDGE, CW_USEDEFAULT,
         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT);
}

void CViewerWnd::InitWindow() {
  for (const ViewerAttribute& a : options_.attributes) {
    if (CSkinControl* control = manager_.FindControl(a.control)) {
      control->ApplyAttribute(a.name.c_str(), a.value.c_str());
    } else {
      Report(L"no control " + a.control);
    }
  }
}

void CViewerWnd::Notify(NotifyMsg& msg) {
  const std::wstring sender = msg.sender != nullptr ? msg.sender->GetName() : L"";
  Report(L"notify " + msg.type + L" " + sender);
  if (msg.type == L"windowinit") {
    for (const std::wstring& name : options_.glyphChecks) {
      Report(L"glyphs " + name + L" missing " + std::to_wstring(MissingGlyphs(name)));
    }
  }
  if (msg.type != L"click") return;
  for (const ViewerCloseRule& rule : options_.closeRules) {
    if (rule.control == sender) Close(rule.code);
  }
}

int CViewerWnd::MissingGlyphs(const std::wstring& name) {
  auto* label = dynamic_cast<CSkinLabel*>(manager_.FindControl(name));
  if (label == nullptr) return -1;
  const std::wstring text = label->GetText();
  std::vector<WORD> glyphs(text.size());
  const HDC dc = manager_.GetPaintDC();
  const HGDIOBJ old = ::SelectObject(dc, manager_.GetFont(label->GetFont()));
  ::GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
  ::SelectObject(dc, old);
  int missing = 0;
  for (WORD glyph : glyphs) missing += glyph == 0xFFFF ? 1 : 0;
  return missing;
}
