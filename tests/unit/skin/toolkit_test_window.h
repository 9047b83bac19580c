#pragma once
// A skinned window for the toolkit's Windows tests, and helpers that drive
// it with messages and read its pixels.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/markup/skin_source.h"
#include "skin/toolkit/skin_wnd_base.h"

namespace skin_test {

// Handles what waits in this thread's queue, as the message loop would.
inline void PumpMessages() {
  MSG msg{};
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) return;
    if (!CSkinManager::PreTranslate(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
}

// A key press as the message loop delivers it.
inline void PressKey(HWND hwnd, WPARAM key) {
  MSG msg{hwnd, WM_KEYDOWN, key, 0, 0, {}};
  if (!CSkinManager::PreTranslate(&msg)) ::DispatchMessageW(&msg);
  msg.message = WM_KEYUP;
  if (!CSkinManager::PreTranslate(&msg)) ::DispatchMessageW(&msg);
  PumpMessages();
}

inline void Mouse(HWND hwnd, UINT msg, int x, int y) { ::SendMessageW(hwnd, msg, 0, MAKELPARAM(x, y)); }

// Repaints the whole window now: layout, then paint.
inline void Repaint(HWND hwnd) {
  ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  PumpMessages();
}

// The client area as the window prints it, 0x00RRGGBB per pixel.
struct Snapshot {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t At(int x, int y) const { return pixels.at(static_cast<std::size_t>(y) * width + x) & 0xFFFFFF; }
};

inline Snapshot Render(HWND hwnd) {
  RECT client{};
  ::GetClientRect(hwnd, &client);
  Snapshot shot;
  shot.width = client.right;
  shot.height = client.bottom;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = shot.width;
  info.bmiHeader.biHeight = -shot.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const HDC screen = ::GetDC(nullptr);
  const HDC memory = ::CreateCompatibleDC(screen);
  const HBITMAP dib = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = ::SelectObject(memory, dib);
  ::PatBlt(memory, 0, 0, shot.width, shot.height, BLACKNESS);
  ::SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  ::GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  shot.pixels.assign(first, first + static_cast<std::size_t>(shot.width) * shot.height);
  ::SelectObject(memory, old);
  ::DeleteObject(dib);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return shot;
}

// A skin window: the skin is XML text, or a file name under the skin
// source's resource path.
class TestWindow : public CSkinWndBase {
 public:
  explicit TestWindow(std::wstring skin, SkinSourceType kind = SKIN_FILE, UINT resourceId = 0)
      : skin_(std::move(skin)), kind_(kind), resourceId_(resourceId) {}

  // Creates the window shown at the top-left corner and lets it paint.
  // Shown without activation: under Wine without a window manager, hiding
  // an activated window waits two seconds for a manager that never answers.
  HWND Open(HWND owner = nullptr, DWORD style = WS_POPUP) {
    Create(owner, L"skin toolkit test", style, 0, 0, 0, 100, 100);
    if (hwnd_ != nullptr) {
      ::ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
      ::UpdateWindow(hwnd_);
      PumpMessages();
    }
    return hwnd_;
  }

  CSkinControl* Find(const wchar_t* name) { return manager_.FindControl(name); }
  template <typename T>
  T* FindAs(const wchar_t* name) {
    return dynamic_cast<T*>(Find(name));
  }

  void Notify(NotifyMsg& msg) override {
    notes.push_back(msg.type + L" " + (msg.sender != nullptr ? msg.sender->GetName() : std::wstring()));
    CSkinWndBase::Notify(msg);
  }
  std::size_t Count(const std::wstring& note) const {
    std::size_t n = 0;
    for (const auto& seen : notes) n += seen == note ? 1 : 0;
    return n;
  }

  std::vector<std::wstring> notes;  // "type name", in order

 protected:
  const wchar_t* ClassName() const override { return L"skin_toolkit_test_window"; }
  std::wstring SkinFile() const override { return skin_; }
  SkinSourceType SkinSourceKind() const override { return kind_; }
  UINT SkinResourceId() const override { return resourceId_; }

 private:
  std::wstring skin_;
  SkinSourceType kind_;
  UINT resourceId_;
};

// A folder of its own under the temporary folder, removed with its files.
class TempFolder {
 public:
  TempFolder() {
    wchar_t base[MAX_PATH];
    ::GetTempPathW(MAX_PATH, base);
    path_ = std::wstring(base) + L"skin_toolkit_" + std::to_wstring(::GetCurrentProcessId()) + L"_" +
            std::to_wstring(counter_++) + L"\\";
    ::CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~TempFolder() {
    for (const auto& file : files_) ::DeleteFileW((path_ + file).c_str());
    ::RemoveDirectoryW(path_.c_str());
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::wstring& Path() const { return path_; }
  void Write(const std::wstring& name, const std::vector<unsigned char>& bytes) {
    const HANDLE file = ::CreateFileW((path_ + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    files_.push_back(name);
  }

 private:
  static inline int counter_ = 0;
  std::wstring path_;
  std::vector<std::wstring> files_;
};

}  // namespace skin_test
