// The three windows' control trees rebuilt from boxes, checked against the
// geometry their skins must produce. The same trees built from the skin
// files by the real builder are checked in the toolkit's Windows tests.
#include <gtest/gtest.h>

#include "layout_test_box.h"

namespace {

using skin::LayoutAxis;
using skin::Rect;
using skin_test::TestBox;

constexpr LayoutAxis V = LayoutAxis::Vertical;
constexpr LayoutAxis H = LayoutAxis::Horizontal;

// "UpdaterWnd.xml": title bar, tips row, and the row that holds either the
// progress bar with the skip button or the install button.
struct UpdaterSkin {
  TestBox root;
  TestBox* titleColumn;
  TestBox* titleLabel;
  TestBox* closeButton;
  TestBox* tipsRow;
  TestBox* buttonLayout;
  TestBox* installButton;
  TestBox* progressLayout;
  TestBox* progress;
  TestBox* skipButton;

  UpdaterSkin() {
    TestBox& title = root.Add(V).Fixed(0, 30);
    titleColumn = &title.Add(H).Padding(10, 0, 0, 0).Fixed(200, 0);
    titleLabel = &titleColumn->Add(H);
    title.Add(H);
    closeButton = &title.Add(H).Fixed(20, 0).Inset(0, 8, 0, 0).Add(H).Padding(6, 0, 0, 0).Fixed(14, 14);
    TestBox& body = root.Add(V);
    tipsRow = &body.Add(V).Fixed(0, 30).Padding(10, 0, 0, 0);
    tipsRow->Add(H);
    TestBox& row = body.Add(V).Padding(10, 0, 0, 0);
    buttonLayout = &row.Add(H).Hidden();
    buttonLayout->Add(H);
    installButton = &buttonLayout->Add(H).Fixed(71, 0).Add(H).Fixed(71, 26).Padding(0, 4, 0, 0);
    progressLayout = &row.Add(H);
    progress = &progressLayout->Add(H).Fixed(0, 3).Padding(0, 14, 0, 0);
    skipButton = &progressLayout->Add(H).Fixed(71, 26).Padding(9, 2, 0, 0);
    row.Add(H).Fixed(10, 0);
  }
  void Layout(int width = 310, int height = 100) { root.PlaceAt({0, 0, width, height}); }
};

TEST(UpdaterSkinGeometry, DownloadingRows) {
  UpdaterSkin skin;
  skin.Layout();
  EXPECT_EQ(skin.titleLabel->Rect(), (Rect{10, 0, 210, 30}));
  EXPECT_EQ(skin.closeButton->Rect(), (Rect{286, 8, 300, 22}));
  EXPECT_EQ(skin.tipsRow->Rect(), (Rect{10, 30, 310, 60}));
  EXPECT_EQ(skin.progress->Rect(), (Rect{10, 74, 220, 77}));
  EXPECT_EQ(skin.skipButton->Rect(), (Rect{229, 62, 300, 88}));
  EXPECT_FALSE(skin.installButton->Positioned());
}

TEST(UpdaterSkinGeometry, SwappingRowsShowsTheInstallButtonBesideTheTenPixelColumn) {
  UpdaterSkin skin;
  skin.Layout();
  skin.progressLayout->SetVisible(false);
  skin.buttonLayout->SetVisible(true);
  skin.Layout();
  EXPECT_EQ(skin.buttonLayout->Rect(), (Rect{10, 60, 300, 100}));
  EXPECT_EQ(skin.installButton->Rect(), (Rect{229, 64, 300, 90}));
}

TEST(UpdaterSkinGeometry, HiddenSkipButtonLeavesTheRowToTheProgressBar) {
  UpdaterSkin skin;
  skin.skipButton->SetVisible(false);
  skin.Layout();
  EXPECT_EQ(skin.progress->Rect(), (Rect{10, 74, 300, 77}));
}

TEST(UpdaterSkinGeometry, WidenedWindowKeepsTheCloseButtonTenPixelsFromTheRight) {
  UpdaterSkin skin;
  skin.Layout(360, 100);
  EXPECT_EQ(skin.closeButton->Rect(), (Rect{336, 8, 350, 22}));
  EXPECT_EQ(skin.progress->Rect(), (Rect{10, 74, 270, 77}));
  EXPECT_EQ(skin.skipButton->Rect(), (Rect{279, 62, 350, 88}));
}

// "TipsBoxWnd.xml".
struct TipsBoxSkin {
  TestBox root;
  TestBox* closeButton;
  TestBox* body;
  TestBox* fillerAbove;
  TestBox* messageRow;
  TestBox* fillerBelow;
  TestBox* buttonRow;
  TestBox* cancelButton;
  TestBox* confirmButton;

  TipsBoxSkin() {
    TestBox& title = root.Add(V).Fixed(0, 30);
    title.Add(H).Padding(10, 0, 0, 0).Fixed(274, 0).Add(H);
    closeButton = &title.Add(H).Fixed(20, 0).Inset(0, 8, 0, 0).Add(H).Padding(6, 0, 0, 0).Fixed(14, 14);
    body = &root.Add(V);
    fillerAbove = &body->Add(V);
    messageRow = &body->Add(V).Fixed(0, 30).Padding(18, 0, 0, 0);
    messageRow->Add(H);
    fillerBelow = &body->Add(V);
    buttonRow = &body->Add(V).Padding(0, 5, 0, 0).Fixed(0, 36);
    buttonRow->Add(H);
    cancelButton = &buttonRow->Add(H).Fixed(80, 0).Add(H).Fixed(72, 24).Padding(4, 4, 0, 0);
    confirmButton = &buttonRow->Add(H).Fixed(90, 0).Add(H).Fixed(72, 24).Padding(4, 4, 0, 0);
  }
};

TEST(TipsBoxSkinGeometry, RowsAndButtons) {
  TipsBoxSkin skin;
  skin.root.PlaceAt({0, 0, 310, 100});
  EXPECT_EQ(skin.closeButton->Rect(), (Rect{290, 8, 304, 22}));
  EXPECT_EQ(skin.messageRow->Rect(), (Rect{18, 30, 310, 60}));
  EXPECT_EQ(skin.fillerAbove->Rect().Height(), 0);
  EXPECT_EQ(skin.fillerBelow->Rect().Height(), 0);
  // The button row hangs one pixel below the window: 35 to 71 in a
  // 70-pixel column.
  EXPECT_EQ(skin.buttonRow->Rect(), (Rect{0, 65, 310, 101}));
  EXPECT_EQ(skin.buttonRow->Rect().top - skin.body->Rect().top, 35);
  EXPECT_EQ(skin.cancelButton->Rect(), (Rect{144, 69, 216, 93}));
  EXPECT_EQ(skin.confirmButton->Rect(), (Rect{224, 69, 296, 93}));
}

TEST(TipsBoxSkinGeometry, HiddenCancelButtonLeavesItsColumnAndTheConfirmButtonStays) {
  TipsBoxSkin skin;
  skin.cancelButton->SetVisible(false);
  skin.root.PlaceAt({0, 0, 310, 100});
  EXPECT_EQ(skin.confirmButton->Rect(), (Rect{224, 69, 296, 93}));
}

TEST(LaunchSkinGeometry, TitleMessageAndLaunchButton) {
  TestBox root;
  TestBox& title = root.Add(V).Fixed(0, 32);
  TestBox& titleLabel = title.Add(H).Padding(10, 0, 0, 0).Fixed(274, 0).Add(H);
  TestBox& closeButton = title.Add(H).Fixed(20, 0).Inset(0, 8, 0, 0).Add(H).Padding(6, 0, 0, 0).Fixed(14, 14);
  TestBox& body = root.Add(V);
  TestBox& message = body.Add(V).Fixed(0, 30).Add(H);
  TestBox& launchButton = body.Add(V).Add(H).Fixed(80, 36);
  root.PlaceAt({0, 0, 420, 210});
  EXPECT_EQ(title.Rect(), (Rect{0, 0, 420, 32}));
  EXPECT_EQ(titleLabel.Rect().left, 10);
  EXPECT_EQ(closeButton.Rect(), (Rect{290, 8, 304, 22}));
  EXPECT_EQ(message.Rect(), (Rect{0, 32, 420, 62}));
  EXPECT_EQ(launchButton.Rect(), (Rect{0, 62, 80, 98}));
}

}  // namespace
