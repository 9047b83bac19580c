#include "skin/toolkit/skin_manager.h"

#include <algorithm>
#include <atomic>
#include <cwchar>

#include "skin/toolkit/focus_order.h"
#include "skin/toolkit/skin_manager_registry.h"
#include "skin/toolkit/skin_tree.h"

namespace {

std::atomic<HINSTANCE> g_instance{nullptr};
std::atomic<HINSTANCE> g_resourceInstance{nullptr};

// The system's default GUI font with DEFAULT_CHARSET, as a logical font.
LOGFONTW DefaultLogFont() {
  LOGFONTW lf{};
  ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
  lf.lfCharSet = DEFAULT_CHARSET;
  return lf;
}

// Built once for the process and kept until it ends.
HFONT ProcessDefaultFont() {
  static const skin::UniqueFont font = [] {
    const LOGFONTW lf = DefaultLogFont();
    return skin::UniqueFont(::CreateFontIndirectW(&lf));
  }();
  return font.Get();
}

HFONT CreateSkinFont(const std::wstring& face, int size, bool bold, bool underline, bool italic) {
  LOGFONTW lf = DefaultLogFont();
  const std::size_t length = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
  std::wmemcpy(lf.lfFaceName, face.c_str(), length);
  lf.lfFaceName[length] = L'\0';
  lf.lfHeight = -size;
  if (bold) lf.lfWeight += FW_BOLD;
  lf.lfUnderline = underline ? TRUE : FALSE;
  lf.lfItalic = italic ? TRUE : FALSE;
  return ::CreateFontIndirectW(&lf);
}

}  // namespace

CSkinManager::CSkinManager() = default;

CSkinManager::~CSkinManager() {
  // Controls reap themselves on deletion, while the manager is still whole.
  root_.reset();
  delayedCleanup_.clear();
  Detach();
}

void CSkinManager::SetInstance(HINSTANCE instance) { g_instance = instance; }

HINSTANCE CSkinManager::GetInstance() {
  const HINSTANCE instance = g_instance;
  return instance != nullptr ? instance : ::GetModuleHandleW(nullptr);
}

std::wstring CSkinManager::GetInstancePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(GetInstance(), path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return L"";
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

void CSkinManager::SetResourceInstance(HINSTANCE instance) { g_resourceInstance = instance; }

HINSTANCE CSkinManager::GetResourceInstance() {
  const HINSTANCE instance = g_resourceInstance;
  return instance != nullptr ? instance : GetInstance();
}

void CSkinManager::Init(HWND hwnd) {
  if (hwnd == nullptr || paintWindow_ != nullptr) return;
  paintWindow_ = hwnd;
  paintDc_ = std::make_unique<skin::WindowDc>(hwnd);
  skin::RegisterManager(this);
}

void CSkinManager::Detach() {
  skin::UnregisterManager(this);
  offscreenBitmap_.Reset();
  offscreenDc_.Reset();
  backgroundBitmap_.Reset();
  paintDc_.reset();
  toolTip_ = nullptr;  // destroyed with the window that owns it
  paintWindow_ = nullptr;
}

bool CSkinManager::AttachRoot(std::unique_ptr<CSkinControl> root) {
  if (!root) return false;
  focus_ = hot_ = captured_ = keyCaptured_ = nullptr;
  if (root_) AddDelayedCleanup(std::move(root_));
  root_ = std::move(root);
  updateNeeded_ = true;
  firstLayout_ = true;
  focusNeeded_ = true;
  root_->BindManager(this, nullptr, true);
  root_->NeedUpdate();
  return true;
}

CSkinControl* CSkinManager::FindControl(const std::wstring& name) const {
  const auto it = names_.find(name);
  return it != names_.end() ? it->second : nullptr;
}

CSkinControl* CSkinManager::FindControlAt(POINT point) const {
  return root_ ? root_->FindControlAt(point) : nullptr;
}

void CSkinManager::RegisterName(CSkinControl* control) {
  const std::wstring& name = control->GetName();
  if (!name.empty()) names_.emplace(name, control);
}

void CSkinManager::ReapObjects(CSkinControl* control) {
  if (control == focus_) focus_ = nullptr;
  if (control == hot_) hot_ = nullptr;
  if (control == captured_) captured_ = nullptr;
  if (control == keyCaptured_) keyCaptured_ = nullptr;
  for (const std::uintptr_t systemId : timers_.RemoveControl(control)) {
    if (paintWindow_ != nullptr) ::KillTimer(paintWindow_, systemId);
  }
  const auto it = names_.find(control->GetName());
  if (it != names_.end() && it->second == control) names_.erase(it);
  for (NotifyMsg& msg : asyncNotifications_) {
    if (msg.sender == control) msg.sender = nullptr;
  }
}

void CSkinManager::AddDelayedCleanup(std::unique_ptr<CSkinControl> control) {
  if (!control) return;
  // Out of the tree at once: nothing may reach it until it is deleted.
  VisitControlTree(control.get(), [this](CSkinControl& c) {
    ReapObjects(&c);
    return true;
  });
  control->BindManager(this, nullptr, false);
  if (paintWindow_ == nullptr) return;  // no message loop to wait for: deleted now
  delayedCleanup_.push_back(std::move(control));
  ::PostMessageW(paintWindow_, kSkinDelayedCleanupMessage, 0, 0);
}

void CSkinManager::AddNotifier(INotifySink* sink) {
  if (std::find(notifiers_.begin(), notifiers_.end(), sink) == notifiers_.end()) notifiers_.push_back(sink);
}

void CSkinManager::RemoveNotifier(INotifySink* sink) {
  notifiers_.erase(std::remove(notifiers_.begin(), notifiers_.end(), sink), notifiers_.end());
}

void CSkinManager::AddPreMessageFilter(IMessageFilter* filter) {
  if (std::find(preMessageFilters_.begin(), preMessageFilters_.end(), filter) == preMessageFilters_.end()) {
    preMessageFilters_.push_back(filter);
  }
}

void CSkinManager::RemovePreMessageFilter(IMessageFilter* filter) {
  preMessageFilters_.erase(std::remove(preMessageFilters_.begin(), preMessageFilters_.end(), filter),
                           preMessageFilters_.end());
}

void CSkinManager::AddMessageFilter(IMessageFilter* filter) {
  if (std::find(messageFilters_.begin(), messageFilters_.end(), filter) == messageFilters_.end()) {
    messageFilters_.push_back(filter);
  }
}

void CSkinManager::RemoveMessageFilter(IMessageFilter* filter) {
  messageFilters_.erase(std::remove(messageFilters_.begin(), messageFilters_.end(), filter), messageFilters_.end());
}

void CSkinManager::SendNotify(CSkinControl* sender, const wchar_t* type, WPARAM wParam, LPARAM lParam, bool async) {
  NotifyMsg msg;
  msg.type = type;
  msg.sender = sender;
  msg.wParam = wParam;
  msg.lParam = lParam;
  SendNotify(msg, async);
}

void CSkinManager::SendNotify(NotifyMsg& msg, bool async) {
  msg.mouse = lastMouse_;
  msg.timestamp = ::GetTickCount();
  if (async) {
    asyncNotifications_.push_back(msg);
  } else {
    Deliver(msg);
  }
}

void CSkinManager::Deliver(NotifyMsg& msg) {
  if (msg.sender != nullptr) msg.sender->RunNotifyDelegates(msg);
  // By index: a notifier may register or remove others.
  for (std::size_t i = 0; i < notifiers_.size(); ++i) notifiers_[i]->Notify(msg);
}

void CSkinManager::DeliverQueuedNotifications() {
  while (!asyncNotifications_.empty()) {
    NotifyMsg msg = std::move(asyncNotifications_.front());
    asyncNotifications_.pop_front();
    Deliver(msg);
  }
}

void CSkinManager::SetFocus(CSkinControl* control) {
  if (paintWindow_ != nullptr && ::GetFocus() != paintWindow_) ::SetFocus(paintWindow_);
  if (control == focus_) return;
  if (focus_ != nullptr) {
    CSkinControl* old = focus_;
    focus_ = nullptr;
    SendEvent(old, UIEventKind::KillFocus, lastMouse_);
    SendNotify(old, L"killfocus");
  }
  if (control == nullptr || control->GetManager() != this || !control->IsVisible() || !control->IsEnabled()) return;
  focus_ = control;
  SendEvent(control, UIEventKind::SetFocus, lastMouse_);
  SendNotify(control, L"setfocus");
}

std::vector<CSkinControl*> CSkinManager::TabStops() const {
  std::vector<CSkinControl*> stops;
  VisitControlTree(root_.get(), [&stops](CSkinControl& c) {
    if (!c.IsVisible() || !c.IsEnabled()) return false;
    if ((c.ControlFlags() & kControlTabStop) != 0) stops.push_back(&c);
    return true;
  });
  return stops;
}

bool CSkinManager::SetNextTabControl(bool forward) {
  if (updateNeeded_ && forward) {
    // The tree is not laid out yet: the first paint moves the focus.
    focusNeeded_ = true;
    if (paintWindow_ != nullptr) ::InvalidateRect(paintWindow_, nullptr, FALSE);
    return true;
  }
  const std::vector<CSkinControl*> stops = TabStops();
  const auto at = std::find(stops.begin(), stops.end(), focus_);
  const int current = at == stops.end() ? -1 : static_cast<int>(at - stops.begin());
  const int next = skin::NextTabStop(static_cast<int>(stops.size()), current,
                                     forward ? skin::TabDirection::Forward : skin::TabDirection::Backward);
  if (next >= 0) SetFocus(stops[static_cast<std::size_t>(next)]);
  focusNeeded_ = false;
  return true;
}

bool CSkinManager::SetTimer(CSkinControl* control, UINT id, UINT elapseMs) {
  std::uintptr_t systemId = 0;
  if (paintWindow_ == nullptr || !timers_.Start(control, id, paintWindow_, &systemId)) return false;
  if (::SetTimer(paintWindow_, systemId, elapseMs, nullptr) == 0) {
    timers_.Abandon(control, id, paintWindow_);
    return false;
  }
  return true;
}

bool CSkinManager::KillTimer(CSkinControl* control, UINT id) {
  std::uintptr_t systemId = 0;
  if (!timers_.Kill(control, id, paintWindow_, &systemId)) return false;
  ::KillTimer(paintWindow_, systemId);
  return true;
}

void CSkinManager::SetCapture() {
  ::SetCapture(paintWindow_);
  mouseCaptured_ = true;
}

void CSkinManager::ReleaseCapture() {
  ::ReleaseCapture();
  mouseCaptured_ = false;
}

bool CSkinManager::AddFont(int id, const std::wstring& face, int size, bool bold, bool underline, bool italic) {
  skin::UniqueFont font(CreateSkinFont(face, size, bold, underline, italic));
  if (!font) return false;
  FontEntry& entry = fonts_[id];
  entry.font = std::move(font);
  entry.height = -1;
  return true;
}

void CSkinManager::SetDefaultFont(const std::wstring& face, int size, bool bold, bool underline, bool italic) {
  skin::UniqueFont font(CreateSkinFont(face, size, bold, underline, italic));
  if (!font) return;
  customDefaultFont_ = std::move(font);
  defaultFontHeight_ = -1;
}

HFONT CSkinManager::GetFont(int id) const {
  const auto it = fonts_.find(id);
  if (it != fonts_.end()) return it->second.font.Get();
  return customDefaultFont_ ? customDefaultFont_.Get() : ProcessDefaultFont();
}

int CSkinManager::GetFontHeight(int id) {
  const auto it = fonts_.find(id);
  int& cached = it != fonts_.end() ? it->second.height : defaultFontHeight_;
  if (cached < 0) cached = MeasureFontHeight(GetFont(id));
  return cached;
}

int CSkinManager::MeasureFontHeight(HFONT font) {
  auto measure = [font](HDC dc) {
    skin::SelectedObject selected(dc, font);
    TEXTMETRICW metrics{};
    return ::GetTextMetricsW(dc, &metrics) ? static_cast<int>(metrics.tmHeight) : 0;
  };
  if (paintDc_) return measure(paintDc_->Get());
  const skin::WindowDc screen(nullptr);
  return measure(screen.Get());
}

const SkinImage* CSkinManager::AddImage(const std::wstring& name, const std::wstring& resourceType, std::uint32_t mask) {
  const auto it = images_.find(name);
  if (it != images_.end()) return it->second.get();
  // A name that fails stays in the cache as nothing: it is tried once.
  return images_.emplace(name, LoadSkinImage(name, resourceType, mask)).first->second.get();
}

const SkinImage* CSkinManager::GetImage(const std::wstring& name) { return AddImage(name, L"", 0); }

void CSkinManager::Invalidate(const skin::Rect& rect) {
  if (paintWindow_ == nullptr) return;
  const RECT rc = skin::ToRECT(rect);
  ::InvalidateRect(paintWindow_, &rc, FALSE);
}

void CSkinManager::SendEvent(CSkinControl* control, UIEventKind kind, POINT mouse, WPARAM wParam, LPARAM lParam,
                             wchar_t key) {
  UIEvent event;
  event.kind = kind;
  event.sender = control;
  event.timestamp = ::GetTickCount();
  event.mouse = mouse;
  event.key = key;
  event.wParam = wParam;
  event.lParam = lParam;
  if (::GetKeyState(VK_CONTROL) < 0) event.keyState |= MK_CONTROL;
  if (::GetKeyState(VK_SHIFT) < 0) event.keyState |= MK_SHIFT;
  if (::GetKeyState(VK_LBUTTON) < 0) event.keyState |= MK_LBUTTON;
  if (::GetKeyState(VK_RBUTTON) < 0) event.keyState |= MK_RBUTTON;
  control->HandleEvent(event);
}
