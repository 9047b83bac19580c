#pragma once
// Owners for the GDI and USER handles of the toolkit: each closes its handle
// the one right way when it goes out of scope.

#include <windows.h>

#include <utility>

#include "skin/toolkit/skin_geometry.h"

namespace skin {

// A handle with one release function; movable, not copyable.
template <typename Handle, typename Releaser>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle h) : handle_(h) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle h = nullptr) {
    if (handle_ != nullptr) Releaser{}(handle_);
    handle_ = h;
  }

 private:
  Handle handle_ = nullptr;
};

struct DeleteGdiObject {
  void operator()(HGDIOBJ h) const { ::DeleteObject(h); }
};
struct DeleteMemoryDc {
  void operator()(HDC h) const { ::DeleteDC(h); }
};
struct DestroyIconHandle {
  void operator()(HICON h) const { ::DestroyIcon(h); }
};
struct DestroyWindowHandle {
  void operator()(HWND h) const { ::DestroyWindow(h); }
};
struct FreeModule {
  void operator()(HMODULE h) const { ::FreeLibrary(h); }
};

using UniqueBitmap = UniqueHandle<HBITMAP, DeleteGdiObject>;
using UniqueFont = UniqueHandle<HFONT, DeleteGdiObject>;
using UniquePen = UniqueHandle<HPEN, DeleteGdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteGdiObject>;
using UniqueMemoryDc = UniqueHandle<HDC, DeleteMemoryDc>;
using UniqueIcon = UniqueHandle<HICON, DestroyIconHandle>;
using UniqueWindow = UniqueHandle<HWND, DestroyWindowHandle>;
using UniqueModule = UniqueHandle<HMODULE, FreeModule>;

// The device context of a window, released with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
  ~WindowDc() { Reset(); }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Get() const { return dc_; }
  void Reset() {
    if (dc_ != nullptr) ::ReleaseDC(hwnd_, dc_);
    dc_ = nullptr;
  }

 private:
  HWND hwnd_;
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~SelectedObject() { ::SelectObject(dc_, previous_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Saves a DC's state (clip region, colours, modes) and restores it.
class SavedDcState {
 public:
  explicit SavedDcState(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
  ~SavedDcState() { ::RestoreDC(dc_, saved_); }
  SavedDcState(const SavedDcState&) = delete;
  SavedDcState& operator=(const SavedDcState&) = delete;

 private:
  HDC dc_;
  int saved_;
};

inline RECT ToRECT(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
inline Rect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace skin
