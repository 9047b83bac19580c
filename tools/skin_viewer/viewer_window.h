#pragma once
// The skin viewer's window: one skin, shown modally; reports what its
// controls notify on standard output and closes on the clicks it was told.

#include <string>

#include "skin/toolkit/skin_wnd_base.h"
#include "viewer_options.h"

class CViewerWnd : public CSkinWndBase {
 public:
  explicit CViewerWnd(const ViewerOptions& options);

  void Notify(NotifyMsg& msg) override;

 protected:
  const wchar_t* ClassName() const override { return L"skin_viewer_wnd_class_name"; }
  UINT ClassStyle() const override { return CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS; }
  std::wstring SkinFile() const override { return options_.skin; }
  SkinSourceType SkinSourceKind() const override { return options_.folder.empty() ? SKIN_ZIPRESOURCE : SKIN_FILE; }
  UINT SkinResourceId() const override { return 102; }
  void InitWindow() override;

 private:
  // How many characters of a control's text the font it is drawn with lacks.
  int MissingGlyphs(const std::wstring& name);

  const ViewerOptions& options_;
};
