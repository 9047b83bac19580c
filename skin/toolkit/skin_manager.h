#pragma once
// One per window: owns the control tree, turns window messages into control
// events, paints through an off-screen bitmap, tracks hot, pressed and
// focused controls, runs control timers and delivers notifications. Its
// static routing and message loop serve every window of the process.

#include <windows.h>

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "skin/toolkit/control_timer_table.h"
#include "skin/toolkit/gdi_handles.h"
#include "skin/toolkit/skin_control.h"
#include "skin/toolkit/skin_events.h"
#include "skin/toolkit/skin_image.h"

// Posted to a window to delete the controls removed from its tree.
constexpr UINT kSkinDelayedCleanupMessage = WM_APP + 1;

class CSkinManager {
 public:
  CSkinManager();
  ~CSkinManager();
  CSkinManager(const CSkinManager&) = delete;
  CSkinManager& operator=(const CSkinManager&) = delete;

  // Process-wide: the program's module and the module its resources come
  // from (the program itself unless set).
  static void SetInstance(HINSTANCE instance);
  static HINSTANCE GetInstance();
  static std::wstring GetInstancePath();  // the program's folder, with a trailing backslash
  static void SetResourceInstance(HINSTANCE instance);
  static HINSTANCE GetResourceInstance();

  // Offers a message of any window of the process to its manager's
  // pre-message filters and Tab handling; true when consumed.
  static bool PreTranslate(MSG* msg);
  // GetMessage until WM_QUIT, each message through PreTranslate.
  static void RunMessageLoop();

  void Init(HWND hwnd);
  // Forgets the window (when it is destroyed): no more routing to it.
  void Detach();
  HWND GetPaintWindow() const { return paintWindow_; }
  HDC GetPaintDC() const { return paintDc_ ? paintDc_->Get() : nullptr; }

  // Takes the tree, binds it, fills the name map; layout and the first
  // tab stop's focus follow at the first paint.
  bool AttachRoot(std::unique_ptr<CSkinControl> root);
  CSkinControl* GetRoot() const { return root_.get(); }
  CSkinControl* FindControl(const std::wstring& name) const;
  CSkinControl* FindControlAt(POINT point) const;
  // Name map entry of a bound control (the first control of a name wins).
  void RegisterName(CSkinControl* control);
  // Drops every reference to a control that goes away.
  void ReapObjects(CSkinControl* control);
  // Deletes a control removed from the tree after the current message.
  void AddDelayedCleanup(std::unique_ptr<CSkinControl> control);

  void AddNotifier(INotifySink* sink);
  void RemoveNotifier(INotifySink* sink);
  void AddPreMessageFilter(IMessageFilter* filter);
  void RemovePreMessageFilter(IMessageFilter* filter);
  void AddMessageFilter(IMessageFilter* filter);
  void RemoveMessageFilter(IMessageFilter* filter);

  void SendNotify(CSkinControl* sender, const wchar_t* type, WPARAM wParam = 0, LPARAM lParam = 0, bool async = false);
  void SendNotify(NotifyMsg& msg, bool async = false);

  CSkinControl* GetFocus() const { return focus_; }
  void SetFocus(CSkinControl* control);
  // Moves the focus as Tab (forward) or Shift+Tab does.
  bool SetNextTabControl(bool forward);

  bool SetTimer(CSkinControl* control, UINT id, UINT elapseMs);
  bool KillTimer(CSkinControl* control, UINT id);
  void SetCapture();
  void ReleaseCapture();
  bool IsCaptured() const { return mouseCaptured_; }

  bool AddFont(int id, const std::wstring& face, int size, bool bold, bool underline, bool italic);
  void SetDefaultFont(const std::wstring& face, int size, bool bold, bool underline, bool italic);
  // The font of an id, or the default font for an unknown one.
  HFONT GetFont(int id) const;
  int GetFontHeight(int id);
  // Loads an image once per name; null when it cannot be loaded.
  const SkinImage* AddImage(const std::wstring& name, const std::wstring& resourceType, std::uint32_t mask);
  const SkinImage* GetImage(const std::wstring& name);

  void SetInitSize(int cx, int cy) { initSize_ = {cx, cy}; }
  skin::Size GetInitSize() const { return initSize_; }
  void SetMinInfo(int cx, int cy) { minInfo_ = {cx, cy}; }
  skin::Size GetMinInfo() const { return minInfo_; }
  void SetMaxInfo(int cx, int cy) { maxInfo_ = {cx, cy}; }
  skin::Size GetMaxInfo() const { return maxInfo_; }
  void SetCaptionRect(const skin::Rect& rect) { caption_ = rect; }
  const skin::Rect& GetCaptionRect() const { return caption_; }
  void SetTransparentBackground(bool on) { transparentBackground_ = on; }
  void SetShowUpdateRect(bool on) { showUpdateRect_ = on; }
  void SetOffscreenPaint(bool on) { offscreenPaint_ = on; }

  std::uint32_t GetDefaultTextColor() const { return defaultTextColor_; }
  std::uint32_t GetDefaultDisabledColor() const { return defaultDisabledColor_; }

  void Invalidate(const skin::Rect& rect);
  // Requests a layout pass before the next paint.
  void NeedUpdate() { updateNeeded_ = true; }

  // The manager's part of a window procedure; true when it handled the
  // message, with its result in `result`.
  bool MessageHandler(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

 private:
  struct FontEntry {
    skin::UniqueFont font;
    int height = -1;  // text metrics, measured on first use
  };

  bool PreMessageHandler(const MSG& msg);
  void Deliver(NotifyMsg& msg);
  void DeliverQueuedNotifications();
  bool HandlePaint();
  void LayoutIfNeeded();
  void PaintOffscreen(HDC target, const RECT& update);
  void PrintClient(HDC target, LPARAM flags);
  void OnMouseMove(POINT point, WPARAM wParam, LPARAM lParam);
  void OnMouseHover(POINT point);
  void OnClose();
  void SendEvent(CSkinControl* control, UIEventKind kind, POINT mouse, WPARAM wParam = 0, LPARAM lParam = 0,
                 wchar_t key = 0);
  std::vector<CSkinControl*> TabStops() const;
  void HideToolTip();
  int MeasureFontHeight(HFONT font);

  HWND paintWindow_ = nullptr;
  std::unique_ptr<skin::WindowDc> paintDc_;
  skin::UniqueMemoryDc offscreenDc_;
  skin::UniqueBitmap offscreenBitmap_;
  skin::UniqueBitmap backgroundBitmap_;

  std::unique_ptr<CSkinControl> root_;
  CSkinControl* focus_ = nullptr;
  CSkinControl* hot_ = nullptr;
  CSkinControl* captured_ = nullptr;
  CSkinControl* keyCaptured_ = nullptr;
  POINT lastMouse_{-1, -1};

  skin::Size initSize_{};
  skin::Size minInfo_{};
  skin::Size maxInfo_{};
  skin::Rect caption_{};

  bool firstLayout_ = true;
  bool updateNeeded_ = false;
  bool focusNeeded_ = false;
  bool offscreenPaint_ = true;
  bool transparentBackground_ = false;
  bool showUpdateRect_ = false;
  bool mouseTracking_ = false;
  bool mouseCaptured_ = false;

  std::vector<INotifySink*> notifiers_;
  std::vector<IMessageFilter*> preMessageFilters_;
  std::vector<IMessageFilter*> messageFilters_;
  std::deque<NotifyMsg> asyncNotifications_;
  std::vector<std::unique_ptr<CSkinControl>> delayedCleanup_;
  std::unordered_map<std::wstring, CSkinControl*> names_;
  skin::ControlTimerTable timers_;

  std::map<int, FontEntry> fonts_;
  skin::UniqueFont customDefaultFont_;
  int defaultFontHeight_ = -1;
  std::unordered_map<std::wstring, std::unique_ptr<SkinImage>> images_;

  std::uint32_t defaultDisabledColor_ = 0xFFA7A6AA;
  std::uint32_t defaultTextColor_ = 0xFF000000;

  HWND toolTip_ = nullptr;  // owned by the paint window
  std::wstring toolTipText_;
};
