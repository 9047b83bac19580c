#include <gtest/gtest.h>

#include <algorithm>

#include "layout_test_box.h"
#include "skin/toolkit/image_description.h"

namespace {

using skin::ImagePiece;
using skin::ImageDescription;
using skin::Rect;

TEST(ImageAttribute, PlainNameIsTheFile) {
  const ImageDescription description = skin::ParseImageDescription(L"btn_close_n.png");
  EXPECT_EQ(description.file, L"btn_close_n.png");
  EXPECT_FALSE(description.dest.has_value());
  EXPECT_FALSE(description.source.has_value());
  EXPECT_EQ(description.fade, 255);
}

TEST(ImageAttribute, KeyValuePairs) {
  const ImageDescription description = skin::ParseImageDescription(
      L"file='a b.png' dest='1,2,3,4' source='0,0,10,10' corner='2,2,2,2' mask='#FFFF00FF' fade='128' hole='true' "
      L"xtiled='true' ytiled='false' hsl='1' unknown='x'");
  EXPECT_EQ(description.file, L"a b.png");
  ASSERT_TRUE(description.dest.has_value());
  EXPECT_EQ(*description.dest, (Rect{1, 2, 3, 4}));
  ASSERT_TRUE(description.source.has_value());
  EXPECT_EQ(*description.source, (Rect{0, 0, 10, 10}));
  EXPECT_EQ(description.corner, (Rect{2, 2, 2, 2}));
  EXPECT_EQ(description.mask, 0xFFFF00FFu);
  EXPECT_EQ(description.fade, 128);
  EXPECT_TRUE(description.hole);
  EXPECT_TRUE(description.xtiled);
  EXPECT_FALSE(description.ytiled);
}

TEST(ImageAttribute, ResourcesAndBrokenPairs) {
  const struct {
    const wchar_t* text;
    const wchar_t* file;
    const wchar_t* type;
    int fade;
  } cases[] = {
      {L"res='icon.png' restype='PNG'", L"icon.png", L"PNG", 255},
      {L"file='x.png' fade='300'", L"x.png", L"", 255},       // opacity kept in range
      {L"file='x.png' fade='-4'", L"x.png", L"", 0},
      {L"file='x.png' dest='1,1", L"x.png", L"", 255},        // unterminated value ends it
      {L"file=\"x.png\"", L"", L"", 255},                      // double quotes are not the syntax
      {L"='x.png'", L"", L"", 255},                            // no key
      {L"file='x.png' fade", L"x.png", L"", 255},
  };
  for (const auto& c : cases) {
    const ImageDescription description = skin::ParseImageDescription(c.text);
    EXPECT_EQ(description.file, c.file);
    EXPECT_EQ(description.resourceType, c.type);
    EXPECT_EQ(description.fade, c.fade);
  }
}

bool HasPiece(const std::vector<ImagePiece>& pieces, Rect dest, Rect source) {
  return std::any_of(pieces.begin(), pieces.end(),
                     [&](const ImagePiece& p) { return p.dest == dest && p.source == source; });
}

TEST(ImagePieces, PlainImageIsOneStretch) {
  const auto pieces = skin::PlanImagePieces({10, 20, 90, 56}, {0, 0, 71, 26}, ImageDescription{});
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0].dest, (Rect{10, 20, 90, 56}));
  EXPECT_EQ(pieces[0].source, (Rect{0, 0, 71, 26}));
}

TEST(ImagePieces, CornersStayUnscaledAndEdgesStretch) {
  ImageDescription description;
  description.corner = {2, 3, 2, 3};
  const auto pieces = skin::PlanImagePieces({0, 0, 100, 50}, {0, 0, 10, 10}, description);
  EXPECT_EQ(pieces.size(), 9u);
  EXPECT_TRUE(HasPiece(pieces, {2, 3, 98, 47}, {2, 3, 8, 7}));    // centre
  EXPECT_TRUE(HasPiece(pieces, {0, 0, 2, 3}, {0, 0, 2, 3}));      // top-left corner
  EXPECT_TRUE(HasPiece(pieces, {98, 47, 100, 50}, {8, 7, 10, 10}));
  EXPECT_TRUE(HasPiece(pieces, {2, 0, 98, 3}, {2, 0, 8, 3}));     // top edge

  description.hole = true;
  const auto holed = skin::PlanImagePieces({0, 0, 100, 50}, {0, 0, 10, 10}, description);
  EXPECT_EQ(holed.size(), 8u);
  EXPECT_FALSE(HasPiece(holed, {2, 3, 98, 47}, {2, 3, 8, 7}));
}

TEST(ImagePieces, CornersBeyondTheImageAreCut) {
  ImageDescription description;
  description.corner = {8, -3, 8, 2000000000};
  for (const ImagePiece& p : skin::PlanImagePieces({0, 0, 100, 50}, {0, 0, 10, 10}, description)) {
    EXPECT_GE(p.dest.left, 0);
    EXPECT_LE(p.dest.right, 100);
    EXPECT_GE(p.source.left, 0);
    EXPECT_LE(p.source.right, 10);
    EXPECT_LE(p.source.bottom, 10);
    EXPECT_FALSE(p.dest.IsEmpty());
  }
}

TEST(ImagePieces, TilingRepeatsAndCutsTheLastTile) {
  ImageDescription description;
  description.xtiled = true;
  const auto pieces = skin::PlanImagePieces({0, 0, 25, 6}, {0, 0, 10, 3}, description);
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_TRUE(HasPiece(pieces, {0, 0, 10, 6}, {0, 0, 10, 3}));
  EXPECT_TRUE(HasPiece(pieces, {10, 0, 20, 6}, {0, 0, 10, 3}));
  EXPECT_TRUE(HasPiece(pieces, {20, 0, 25, 6}, {0, 0, 5, 3}));

  description.ytiled = true;
  EXPECT_EQ(skin::PlanImagePieces({0, 0, 25, 6}, {0, 0, 10, 3}, description).size(), 6u);
}

}  // namespace
