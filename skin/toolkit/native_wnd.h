#pragma once
// A Win32 window bound to an object: class registration, creation, the
// modal loop, centring, showing and closing.

#include <windows.h>

#include "skin/toolkit/gdi_handles.h"

class CNativeWnd {
 public:
  CNativeWnd();
  virtual ~CNativeWnd();
  CNativeWnd(const CNativeWnd&) = delete;
  CNativeWnd& operator=(const CNativeWnd&) = delete;

  HWND GetHWND() const { return hwnd_; }
  operator HWND() const { return hwnd_; }

  // Registers the class and creates the window with this object as its
  // creation parameter; null when either fails.
  HWND Create(HWND parent, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y, int cx, int cy,
              HMENU menu = nullptr);
  // Posts WM_CLOSE with `code` as wParam.
  void Close(UINT code = IDOK);
  // Shows the window and runs a message loop until it ends; the code of
  // the WM_CLOSE that ended it (0 without one).
  UINT RunModal();
  // Over the owner, or over the work area; kept inside the work area.
  void Center();
  void Show(bool show = true, bool takeFocus = true);
  // The icon resource at the system's large and small icon sizes.
  void SetIconFromResource(UINT id);
  LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

 protected:
  virtual const wchar_t* ClassName() const = 0;
  virtual UINT ClassStyle() const { return CS_DBLCLKS; }
  // Every message after WM_NCCREATE; the default is the previous procedure.
  virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  // After WM_NCDESTROY, when the object no longer has a window.
  virtual void OnFinalMessage(HWND hwnd);
  // For destructors: a window that outlives its object must not reach it
  // any more, so it is unbound and destroyed without its final message.
  void DestroyUnbound();

  HWND hwnd_ = nullptr;
  WNDPROC previousProc_ = ::DefWindowProcW;

 private:
  bool RegisterWindowClass();
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  skin::UniqueIcon bigIcon_;
  skin::UniqueIcon smallIcon_;
};
