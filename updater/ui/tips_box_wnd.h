#pragma once
// The updater's small modal message box: one line of text, a confirm button
// and, when the mode asks for it, a cancel button.

#include <string>

#include "updater/ui/lom_wnd_base.h"

class CTipsBoxWnd : public CLomWndBase {
 public:
  // Mode bits: 1 shows the cancel button; the value 2 leaves the confirm
  // button's text for the caller.
  static constexpr int kModeConfirmOnly = 0;
  static constexpr int kModeWithCancel = 1;
  static constexpr int kModeCallerConfirmText = 2;
  // RunModal results.
  static constexpr int kResultClosedBySystem = 0;
  static constexpr int kResultConfirm = 1;
  static constexpr int kResultCancel = 2;

  // Creates, builds and centres the box; `owner` may belong to another process.
  CTipsBoxWnd(HWND owner, const std::wstring& text, int mode);

  CSkinButton* ConfirmButton() const { return confirmButton_; }

 protected:
  const wchar_t* ClassName() const override;
  std::wstring SkinFile() const override;
  void InitWindow() override;
  void Notify(NotifyMsg& msg) override;

 private:
  const int mode_;
  const std::wstring message_;
  CSkinLabel* tipsLabel_ = nullptr;
  CSkinButton* cancelButton_ = nullptr;
  CSkinButton* confirmButton_ = nullptr;
};
