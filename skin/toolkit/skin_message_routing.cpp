#include <algorithm>
#include <mutex>
#include <vector>

#include "skin/toolkit/skin_manager.h"
#include "skin/toolkit/skin_manager_registry.h"

namespace skin {
namespace {

struct Registry {
  std::mutex lock;
  std::vector<CSkinManager*> managers;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

void RegisterManager(CSkinManager* manager) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> guard(r.lock);
  if (std::find(r.managers.begin(), r.managers.end(), manager) == r.managers.end()) r.managers.push_back(manager);
}

void UnregisterManager(CSkinManager* manager) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> guard(r.lock);
  r.managers.erase(std::remove(r.managers.begin(), r.managers.end(), manager), r.managers.end());
}

CSkinManager* FindManagerFor(HWND hwnd) {
  std::vector<HWND> chain;
  for (HWND w = hwnd; w != nullptr; w = (::GetWindowLongPtrW(w, GWL_STYLE) & WS_CHILD) != 0 ? ::GetParent(w) : nullptr) {
    chain.push_back(w);
  }
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> guard(r.lock);
  for (HWND w : chain) {
    for (CSkinManager* m : r.managers) {
      if (m->GetPaintWindow() == w) return m;
    }
  }
  return nullptr;
}

}  // namespace skin

bool CSkinManager::PreTranslate(MSG* msg) {
  if (msg == nullptr || msg->hwnd == nullptr) return false;
  // A manager found here belongs to this thread: the message came from
  // this thread's queue.
  CSkinManager* manager = skin::FindManagerFor(msg->hwnd);
  return manager != nullptr && manager->PreMessageHandler(*msg);
}

void CSkinManager::RunMessageLoop() {
  MSG msg{};
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!PreTranslate(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
}

bool CSkinManager::PreMessageHandler(const MSG& msg) {
  for (std::size_t i = 0; i < preMessageFilters_.size(); ++i) {
    bool handled = false;
    preMessageFilters_[i]->MessageHandler(msg.message, msg.wParam, msg.lParam, handled);
    if (handled) return true;
  }
  switch (msg.message) {
    case WM_KEYDOWN:
      if (msg.wParam == VK_TAB) {
        SetNextTabControl(::GetKeyState(VK_SHIFT) >= 0);
        return true;
      }
      break;
    case WM_SYSKEYDOWN:
      if (focus_ != nullptr) {
        SendEvent(focus_, UIEventKind::SysKey, lastMouse_, msg.wParam, msg.lParam, static_cast<wchar_t>(msg.wParam));
      }
      break;
    default:
      break;
  }
  return false;
}
