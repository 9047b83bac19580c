#include "updater/ui/tips_box_wnd.h"

#include "updater/ui/ui_texts.h"

namespace {

constexpr DWORD kTipsBoxStyle = WS_VISIBLE | WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU;
constexpr COLORREF kHotTextColour = 0x00FFFFFF;
constexpr COLORREF kPushedTextColour = 0x00B2C3CC;

}  // namespace

CTipsBoxWnd::CTipsBoxWnd(HWND owner, const std::wstring& text, int mode) : mode_(mode), message_(text) {
  Create(owner, kTipsBoxTitle, kTipsBoxStyle, WS_EX_TOOLWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
         CW_USEDEFAULT, nullptr);
  Center();
}

const wchar_t* CTipsBoxWnd::ClassName() const { return L"lom_updater_tips_wnd_class_name"; }

std::wstring CTipsBoxWnd::SkinFile() const { return L"TipsBoxWnd.xml"; }

void CTipsBoxWnd::InitWindow() {
  tipsLabel_ = dynamic_cast<CSkinLabel*>(manager_.FindControl(L"tipsLabel"));
  cancelButton_ = dynamic_cast<CSkinButton*>(manager_.FindControl(L"cancelButton"));
  confirmButton_ = dynamic_cast<CSkinButton*>(manager_.FindControl(L"confirmButton"));
  if (confirmButton_) {
    confirmButton_->SetText(mode_ == kModeCallerConfirmText ? L"" : kTipsBoxConfirm);
    confirmButton_->SetTextColor(0);
    confirmButton_->SetHotTextColor(kHotTextColour);
    confirmButton_->SetPushedTextColor(kPushedTextColour);
  }
  if (cancelButton_) cancelButton_->SetVisible((mode_ & kModeWithCancel) != 0);
  if (tipsLabel_) tipsLabel_->SetText(message_);
}

void CTipsBoxWnd::Notify(NotifyMsg& msg) {
  if (msg.type != L"click" || msg.sender == nullptr) return;
  const std::wstring& sender = msg.sender->GetName();
  if (sender == L"closeButton" || sender == L"cancelButton") Close(kResultCancel);
  if (sender == L"confirmButton") Close(kResultConfirm);
}
