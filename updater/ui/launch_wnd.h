#pragma once
// Tells the user the update is installed; the caller starts the launcher once
// it has closed.

#include "updater/ui/lom_wnd_base.h"

class CLaunchWnd : public CLomWndBase {
 public:
  static constexpr int kClosedByButton = 1;

  CLaunchWnd();

 protected:
  const wchar_t* ClassName() const override;
  std::wstring SkinFile() const override;
  void Notify(NotifyMsg& msg) override;
};
