#pragma once
// A borderless top-level window whose client area is a skin: loads the
// window's skin at creation, gives it a caption band for dragging, and
// routes messages to its paint manager.

#include <windows.h>

#include <memory>
#include <string>

#include "skin/markup/skin_source.h"
#include "skin/toolkit/native_wnd.h"
#include "skin/toolkit/notify_relay.h"
#include "skin/toolkit/skin_events.h"
#include "skin/toolkit/skin_manager.h"

class CSkinWndBase : public CNativeWnd,
                     public CNotifyRelay,
                     public INotifySink,
                     public IMessageFilter,
                     public ISkinBuilderCallback {
 public:
  CSkinWndBase();
  ~CSkinWndBase() override;

  CSkinManager& Manager() { return manager_; }

  // Default: notifications go to the handlers registered by type, which
  // route "click" to OnClick.
  void Notify(NotifyMsg& msg) override;
  // Pre-message filter: WM_KEYDOWN goes to OnDefaultKey.
  LRESULT MessageHandler(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
  std::unique_ptr<CSkinControl> CreateControl(const wchar_t* tag) override;

 protected:
  UINT ClassStyle() const override { return CS_DBLCLKS; }
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnFinalMessage(HWND hwnd) override;

  // Binds the window's named controls once the skin is built.
  virtual void InitWindow() {}
  // "closebtn" closes with 1; "minbtn", "maxbtn", "restorebtn" minimise,
  // maximise and restore.
  virtual void OnClick(NotifyMsg& msg);
  virtual std::wstring SkinFolder() const { return L""; }
  virtual std::wstring SkinFile() const { return L""; }
  // Escape closes with 1 and is handled; other keys are not.
  virtual bool OnDefaultKey(WPARAM key);
  virtual SkinSourceType SkinSourceKind() const { return SKIN_FILE; }
  virtual std::wstring ZipFileName() const { return L""; }
  virtual UINT SkinResourceId() const { return 0; }

  // Message handlers: each sets `handled` when the message needs nothing
  // more.
  virtual LRESULT OnClose(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnDestroy(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnNcActivate(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnNcCalcSize(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnNcPaint(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnNcHitTest(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnGetMinMaxInfo(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnMouseWheel(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnMouseHover(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnSize(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnChar(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnSysCommand(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnCreate(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnKeyDown(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnKillFocus(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnSetFocus(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnLButtonDown(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnLButtonUp(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnMouseMove(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  // The style the window takes at creation: the current one without caption.
  virtual LONG_PTR WindowStyle() const;

  CSkinManager manager_;

 private:
  // Installs the skin archive and builds the skin; false when the window
  // has to stay empty (no "ZIPRES" resource).
  bool LoadSkin();
};
