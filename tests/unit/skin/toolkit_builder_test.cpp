// The builder: tags, unknown tags, fonts, the Window element, attribute
// order and the manager binding while attributes apply.
#include <gtest/gtest.h>

#include "skin/toolkit/skin_builder.h"
#include "skin/toolkit/skin_button.h"
#include "skin/toolkit/skin_layouts.h"
#include "skin/toolkit/skin_progress.h"
#include "toolkit_test_window.h"

namespace {

using skin_test::TestWindow;

// A control of an application's own tag that records what it saw while its
// attributes were applied.
class ProbeControl : public CSkinControl {
 public:
  void ApplyAttribute(const wchar_t* name, const wchar_t* value) override {
    boundWhileApplying = GetManager() != nullptr;
    if (boundWhileApplying) {
      RECT rc{};
      ::GetWindowRect(GetManager()->GetPaintWindow(), &rc);
      windowWidth = rc.right - rc.left;
    }
    applied.push_back(std::wstring(name) + L"=" + value);
    CSkinControl::ApplyAttribute(name, value);
  }
  bool boundWhileApplying = false;
  int windowWidth = 0;
  std::vector<std::wstring> applied;
};

// A window whose builder callback knows the tag "Probe".
class ProbeWindow : public TestWindow {
 public:
  using TestWindow::TestWindow;
  std::unique_ptr<CSkinControl> CreateControl(const wchar_t* tag) override {
    asked.push_back(tag);
    if (std::wstring(tag) != L"Probe") return nullptr;
    auto probe = std::make_unique<ProbeControl>();
    probes.push_back(probe.get());
    return probe;
  }
  std::vector<std::wstring> asked;
  std::vector<ProbeControl*> probes;
};

TEST(SkinBuilder, TagsSelectControlClassesIgnoringCase) {
  TestWindow window(
      L"<Window size=\"200,100\"><verticallayout name=\"v\">"
      L"<HORIZONTALLAYOUT name=\"h\"><label name=\"l\"/><Button name=\"b\"/><progress name=\"p\"/></HORIZONTALLAYOUT>"
      L"</verticallayout></Window>");
  ASSERT_NE(window.Open(), nullptr);
  EXPECT_NE(window.FindAs<CSkinVLayout>(L"v"), nullptr);
  EXPECT_NE(window.FindAs<CSkinHLayout>(L"h"), nullptr);
  EXPECT_STREQ(window.Find(L"l")->ClassLabel(), L"SkinLabel");
  EXPECT_NE(window.FindAs<CSkinButton>(L"b"), nullptr);
  EXPECT_NE(window.FindAs<CSkinProgress>(L"p"), nullptr);
  EXPECT_EQ(window.Manager().GetRoot(), window.Find(L"v"));
}

TEST(SkinBuilder, UnknownTagsAreOfferedToTheCallbackAndSkippedWithTheirSubtree) {
  ProbeWindow window(
      L"<Window size=\"200,100\"><VerticalLayout>"
      L"<Mystery><Button name=\"lost\"/></Mystery>"
      L"<Probe name=\"probe\" width=\"5\"/>"
      L"<Label name=\"kept\"/>"
      L"<Image name=\"img\"/><Default name=\"def\"/>"
      L"</VerticalLayout></Window>");
  ASSERT_NE(window.Open(), nullptr);
  EXPECT_EQ(window.asked, (std::vector<std::wstring>{L"Mystery", L"Probe"}));
  EXPECT_EQ(window.Find(L"lost"), nullptr);
  EXPECT_NE(window.Find(L"probe"), nullptr);
  EXPECT_NE(window.Find(L"kept"), nullptr);
  EXPECT_EQ(window.Find(L"img"), nullptr);
}

TEST(SkinBuilder, AttributesApplyInDocumentOrderWithTheManagerBound) {
  ProbeWindow window(L"<Window size=\"310,100\"><VerticalLayout><Probe b=\"2\" a=\"1\" c=\"3\"/></VerticalLayout></Window>");
  ASSERT_NE(window.Open(), nullptr);
  ASSERT_EQ(window.probes.size(), 1u);
  const ProbeControl& probe = *window.probes[0];
  EXPECT_EQ(probe.applied, (std::vector<std::wstring>{L"b=2", L"a=1", L"c=3"}));
  EXPECT_TRUE(probe.boundWhileApplying);
  // The window had its skin size before the first control existed.
  EXPECT_EQ(probe.windowWidth, 310);

  // Later values of the same kind win: the label's alignment words.
  TestWindow order(L"<Window><HorizontalLayout><Label name=\"x\" align=\"center\" valign=\"bottom\" align=\"left\"/>"
                   L"</HorizontalLayout></Window>");
  ASSERT_NE(order.Open(), nullptr);
  EXPECT_EQ(order.FindAs<CSkinLabel>(L"x")->GetTextStyle(), static_cast<UINT>(DT_BOTTOM));
}

TEST(SkinBuilder, FontsNeedAnIdAndAFace) {
  TestWindow window(
      L"<Window size=\"100,50\">"
      L"<Font name=\"Tahoma\" size=\"30\"/>"
      L"<FONT id=\"1\" name=\"Tahoma\" size=\"30\" bold=\"TRUE\"/>"
      L"<Font id=\"2\" size=\"30\"/>"
      L"<HorizontalLayout/></Window>");
  ASSERT_NE(window.Open(), nullptr);
  CSkinManager& manager = window.Manager();
  const HFONT fallback = manager.GetFont(-1);
  EXPECT_EQ(manager.GetFont(0), fallback);
  EXPECT_NE(manager.GetFont(1), fallback);
  EXPECT_EQ(manager.GetFont(2), fallback);
  LOGFONTW lf{};
  ::GetObjectW(manager.GetFont(1), sizeof(lf), &lf);
  EXPECT_EQ(lf.lfHeight, -30);
  EXPECT_GE(lf.lfWeight, FW_BOLD);
  EXPECT_STREQ(lf.lfFaceName, L"Tahoma");
  EXPECT_GT(manager.GetFontHeight(1), manager.GetFontHeight(-1));
}

TEST(SkinBuilder, DefaultFontReplacesTheManagersDefault) {
  TestWindow window(L"<Window><Font id=\"4\" name=\"Tahoma\" size=\"25\" default=\"true\"/><HorizontalLayout/></Window>");
  ASSERT_NE(window.Open(), nullptr);
  LOGFONTW lf{};
  ::GetObjectW(window.Manager().GetFont(-1), sizeof(lf), &lf);
  EXPECT_EQ(lf.lfHeight, -25);
}

TEST(SkinBuilder, ChildrenOfALeafAndExtraTopLevelControlsAreDropped) {
  TestWindow window(
      L"<Window><HorizontalLayout name=\"root\"><Label name=\"leaf\"><Button name=\"inner\"/></Label>"
      L"</HorizontalLayout><Label name=\"second\"/></Window>");
  ASSERT_NE(window.Open(), nullptr);
  EXPECT_NE(window.Find(L"leaf"), nullptr);
  EXPECT_EQ(window.Find(L"inner"), nullptr);
  EXPECT_EQ(window.Find(L"second"), nullptr);
}

TEST(SkinBuilder, TextWithoutAValidRootGivesNothing) {
  CSkinBuilder builder;
  const struct {
    const wchar_t* text;
  } cases[] = {{L"<Window><Label></Window>"}, {L"<Window size='1,1'/>"}, {L"<Window/>"}, {L"<>"}};
  for (const auto& c : cases) {
    EXPECT_EQ(builder.Create(c.text, nullptr, nullptr, nullptr), nullptr);
  }
  EXPECT_EQ(builder.Create(L"<Window><Label/></Window>", nullptr, nullptr, nullptr)->ClassLabel(),
            std::wstring(L"SkinLabel"));
  EXPECT_EQ(builder.Create(L"no-such-skin.xml", nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(builder.Markup().ErrorMessage(), L"Error opening file");
}

}  // namespace
