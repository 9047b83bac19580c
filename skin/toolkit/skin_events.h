#pragma once
// What travels from the paint manager to controls (UIEvent) and from
// controls to their window (NotifyMsg), and the interfaces that receive them.

#include <windows.h>

#include <memory>
#include <string>

class CSkinControl;

enum class UIEventKind {
  KeyDown,
  KeyUp,
  Char,
  SysKey,
  MouseMove,
  MouseLeave,
  MouseEnter,
  MouseHover,
  ButtonDown,
  ButtonUp,
  RightButtonDown,
  DoubleClick,
  ContextMenu,
  ScrollWheel,
  KillFocus,
  SetFocus,
  WindowSize,
  SetCursor,
  Timer,
};

struct UIEvent {
  UIEventKind kind = UIEventKind::MouseMove;
  CSkinControl* sender = nullptr;
  DWORD timestamp = 0;
  POINT mouse{};  // client coordinates
  wchar_t key = 0;
  WORD keyState = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

struct NotifyMsg {
  std::wstring type;  // "click", "setfocus", "windowinit", ...
  std::wstring virtualWnd;
  CSkinControl* sender = nullptr;
  DWORD timestamp = 0;
  POINT mouse{};
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

// Receives every notification of a manager's controls.
class INotifySink {
 public:
  virtual void Notify(NotifyMsg& msg) = 0;

 protected:
  ~INotifySink() = default;
};

// Sees window messages before (pre-message filters) or as (message
// filters) the manager handles them; setting `handled` consumes one.
class IMessageFilter {
 public:
  virtual LRESULT MessageHandler(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) = 0;

 protected:
  ~IMessageFilter() = default;
};

// Asked by the builder for a control of a tag it does not know.
class ISkinBuilderCallback {
 public:
  virtual std::unique_ptr<CSkinControl> CreateControl(const wchar_t* tag) = 0;

 protected:
  ~ISkinBuilderCallback() = default;
};
