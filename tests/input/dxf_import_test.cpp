#include "input/dxf_import.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <vector>

#include "input/profile_list.h"
#include "model/text_table.h"
#include "support/temp_folder.h"

namespace vexlin {
namespace {

std::string Entities(const std::string& body) {
  return "0\nSECTION\n2\nENTITIES\n" + body + "0\nENDSEC\n0\nEOF\n";
}

std::string LightPolyline(const std::vector<std::array<double, 3>>& vertices) {
  std::string text = "0\nLWPOLYLINE\n8\n0\n90\n" + std::to_string(vertices.size()) + "\n70\n1\n";
  for (const auto& [x, y, bulge] : vertices) {
    text += "10\n" + std::to_string(x) + "\n20\n" + std::to_string(y) + "\n";
    if (bulge != 0) text += "42\n" + std::to_string(bulge) + "\n";
  }
  return text;
}

std::vector<TPoint> Vertices(const TExtPolyline& outline) {
  std::vector<TPoint> points;
  for (const TPolySegment& s : outline.Segments) {
    if (!s.ClosesLoop) points.push_back(s.Point);
  }
  return points;
}

class DxfImportTest : public ::testing::Test {
 protected:
  TDxfReadResult Read(const std::string& text) {
    return ReadDXFFile(dxf, folder.Write("in.dxf", text));
  }

  TempFolder folder;
  TDxfImport dxf;
};

TEST(BulgeArcTest, CentreAndFlagsFollowTheBulge) {
  const auto half = GetCenterAndClockAndInside({0, 0}, {10000, 0}, 1);
  ASSERT_TRUE(half);
  EXPECT_EQ(half->Center, (TPoint{5000, 0}));
  EXPECT_TRUE(half->Large && half->Clockwise);
  EXPECT_EQ(GetCenterAndClockAndInside({10000, 0}, {0, 0}, 1)->Center, (TPoint{5000, 0}));

  const auto positive = GetCenterAndClockAndInside({0, 0}, {10000, 0}, 0.5);
  ASSERT_TRUE(positive);
  EXPECT_EQ(positive->Center, (TPoint{5000, 3750}));
  EXPECT_TRUE(positive->Clockwise);
  EXPECT_FALSE(positive->Large);

  const auto negative = GetCenterAndClockAndInside({0, 0}, {10000, 0}, -0.5);
  ASSERT_TRUE(negative);
  EXPECT_EQ(negative->Center, (TPoint{5000, -3750}));
  EXPECT_FALSE(negative->Clockwise || negative->Large);

  EXPECT_EQ(GetCenterAndClockAndInside({0, 0}, {10000, 0}, 2)->Center, (TPoint{5000, -3750}));
  EXPECT_FALSE(GetCenterAndClockAndInside({0, 0}, {10000, 0}, 1e-300));
  EXPECT_FALSE(GetCenterAndClockAndInside({0, 0}, {0, 0}, 0.5));
}

TEST_F(DxfImportTest, RectangleWithCrLfLineEnds) {
  std::string text = Entities(LightPolyline({{0, 0, 0}, {100, 0, 0}, {100, 50, 0}, {0, 50, 0}}));
  for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2)) {
    text.insert(at, "\r");
  }
  ASSERT_TRUE(Read(text).Accepted);
  EXPECT_EQ(dxf.Outline.ExtentX, 100000);
  EXPECT_EQ(dxf.Outline.ExtentY, 50000);
  EXPECT_EQ(Vertices(dxf.Outline).size(), 4u);
  EXPECT_EQ(dxf.Outline.Loops().size(), 1u);
  for (const TPolySegment& s : dxf.Outline.Segments) EXPECT_FALSE(s.IsArc);
}

TEST_F(DxfImportTest, TwoHalfCirclesMakeADisc) {
  ASSERT_TRUE(Read(Entities(LightPolyline({{0, 0, 1}, {10, 0, 1}}))).Accepted);
  const std::vector<TPolySegment>& s = dxf.Outline.Segments;
  ASSERT_EQ(s.size(), 3u);
  EXPECT_TRUE(s[0].IsArc && s[0].ArcFlag && s[1].IsArc && s[1].ArcFlag);
  EXPECT_EQ(s[0].Center, (TPoint{5000, 5000}));  // after the shift of the box to the origin
  EXPECT_EQ(dxf.Outline.ExtentX, 10000);
  EXPECT_EQ(dxf.Outline.ExtentY, 10000);
}

TEST_F(DxfImportTest, CircleAndTwoPolylines) {
  ASSERT_TRUE(Read(Entities("0\nCIRCLE\n8\n0\n10\n5\n20\n5\n30\n0\n40\n5\n")).Accepted);
  EXPECT_EQ(Vertices(dxf.Outline), (std::vector<TPoint>{{5000, 0}, {5000, 0}}));
  EXPECT_EQ(dxf.Outline.ExtentX, 10000);
  EXPECT_EQ(dxf.Outline.ExtentY, 10000);

  const std::string two = LightPolyline({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}}) +
                          LightPolyline({{20, 0, 0}, {30, 0, 0}, {30, 5, 0}});
  ASSERT_TRUE(Read(Entities(two)).Accepted);
  EXPECT_EQ(dxf.Outline.Loops().size(), 2u);
  EXPECT_EQ(dxf.Outline.ExtentX, 30000);
}

TEST_F(DxfImportTest, OldPolylineTakesItsFirstPointAsTheHeader) {
  const std::string vertices =
      "0\nVERTEX\n10\n0\n20\n0\n0\nVERTEX\n10\n10\n20\n0\n0\nVERTEX\n10\n10\n20\n5\n"
      "0\nVERTEX\n10\n0\n20\n5\n0\nSEQEND\n";
  ASSERT_TRUE(Read(Entities("0\nPOLYLINE\n66\n1\n" + vertices)).Accepted);
  EXPECT_EQ(Vertices(dxf.Outline).size(), 3u);
  ASSERT_TRUE(Read(Entities("0\nPOLYLINE\n66\n1\n10\n0\n20\n0\n30\n0\n" + vertices)).Accepted);
  EXPECT_EQ(Vertices(dxf.Outline).size(), 4u);
}

TEST_F(DxfImportTest, RefusalsAndTheirMessages) {
  dxf.OutlineSelected = true;
  EXPECT_EQ(ReadDXFFile(dxf, folder.PathOf("none.dxf")).Message,
            Texts().Text("MSG_CANT_OPEN_FILE"));
  EXPECT_FALSE(dxf.OutlineSelected);
  EXPECT_FALSE(FileIsThere(""));
  EXPECT_FALSE(FileIsThere(folder.PathOf("")));

  const TDxfReadResult lines = Read(Entities("0\nLINE\n10\n0\n20\n0\n11\n5\n21\n5\n"));
  EXPECT_FALSE(lines.Accepted);
  EXPECT_EQ(lines.Message, "Not find polylines in DXF file, or disconnected polylines present");

  const TDxfReadResult word = Read(Entities("0\nLWPOLYLINE\n10\n1,5\n20\n0\n"));
  EXPECT_FALSE(word.Accepted);
  EXPECT_EQ(word.Message, "");

  std::vector<std::array<double, 3>> many(1002, {0, 0, 0});
  for (size_t i = 0; i < many.size(); ++i) many[i] = {double(i % 7), double(i % 5), 0};
  EXPECT_FALSE(Read(Entities(LightPolyline(many))).Accepted);
  many.resize(1001);
  EXPECT_TRUE(Read(Entities(LightPolyline(many))).Accepted);

  const TDxfReadResult huge = Read(Entities("0\nLWPOLYLINE\n10\n1e30\n20\n0\n10\n0\n20\n0\n"));
  EXPECT_FALSE(huge.Accepted);
  EXPECT_EQ(huge.Message, Texts().Text("MSG_DXF_ERROR_OUTSIDE"));
  EXPECT_FALSE(Read(Entities("0\nLWPOLYLINE\n10\n2000000\n20\n0\n10\n0\n20\n0\n")).Accepted);
  EXPECT_TRUE(dxf.Outline.Segments.empty());
}

// A flat outline was taken as a profile of height 0, and the run then divided by it.
TEST_F(DxfImportTest, OutlinesWithoutAreaAreRefusedWithTheFileNamed) {
  const std::string flat = VEXLIN_TEST_DATA_DIR "/flat-line-profile/flat-line.dxf";
  dxf.OutlineSelected = true;
  EXPECT_EQ(ReadDXFFile(dxf, flat).Message,
            "DXF outline encloses no area (zero length, zero height or a flat line):\n" + flat);
  EXPECT_FALSE(dxf.OutlineSelected);
  EXPECT_TRUE(dxf.Outline.Segments.empty());
  const std::vector<std::vector<std::array<double, 3>>> degenerate = {
      {{0, 0, 0}, {0, 50, 0}},                // zero length
      {{0, 0, 0}, {10, 10, 0}, {30, 30, 0}},  // three points on a slanted line
      {{5, 5, 0}},                            // one point
  };
  for (const auto& vertices : degenerate) {
    const TDxfReadResult read = Read(Entities(LightPolyline(vertices)));
    EXPECT_FALSE(read.Accepted);
    EXPECT_TRUE(read.Message.starts_with("DXF outline encloses no area")) << read.Message;
  }
  EXPECT_FALSE(Read(Entities("0\nCIRCLE\n10\n5\n20\n5\n40\n0\n")).Accepted);
  EXPECT_TRUE(Read(Entities("0\nCIRCLE\n10\n5\n20\n5\n40\n1\n")).Accepted);
  EXPECT_TRUE(Read(Entities(LightPolyline({{0, 0, 1}, {10, 0, 1}}))).Accepted);
}

// A device or a huge file was read until the memory ran out.
TEST_F(DxfImportTest, DevicesAndHugeFilesAreNotRead) {
  EXPECT_EQ(ReadDXFFile(dxf, "/dev/zero").Message,
            "Not a regular file, not read as DXF:\n/dev/zero");
  const std::string huge =
      folder.Write("huge.dxf", Entities(LightPolyline({{0, 0, 0}, {4, 3, 0}, {0, 3, 0}})));
  std::filesystem::resize_file(huge, std::uintmax_t{65} << 20);
  EXPECT_EQ(ReadDXFFile(dxf, huge).Message, "DXF file larger than 64 MB, not read:\n" + huge);
  EXPECT_TRUE(dxf.Outline.Segments.empty());
}

TEST_F(DxfImportTest, ImportSelectsTheOutlineForAdd) {
  TTrapeziumList shapes;
  TProfileLists lists{{}, &shapes};
  const std::string path =
      folder.Write("r.dxf", Entities(LightPolyline({{0, 0, 0}, {4, 0, 0}, {4, 3, 0}})));
  ASSERT_TRUE(ImportDXF(dxf, path).Accepted);
  EXPECT_TRUE(dxf.OutlineSelected);
  ASSERT_EQ(AddAnyShape(lists, dxf, "A", "2", "Triangle1", {}), "");
  ASSERT_EQ(AddAnyShape(lists, dxf, "B", "1", "Triangle1", {}), "");
  EXPECT_EQ(AddAnyShape(lists, dxf, "B", "1", "Triangle1", {}), "label isn't unique");
  ASSERT_EQ(lists.Profiles.Size(), 2u);
  EXPECT_EQ(lists.Profiles[1].Length, 4000);
  EXPECT_EQ(lists.Profiles[1].Width, 3000);
  EXPECT_EQ(lists.Profiles[1].ProfileIndex, 1);
  EXPECT_EQ(shapes[1].ShapeType, path);
  EXPECT_EQ(shapes[1].ListIndex, 1);
  EXPECT_TRUE(shapes[1].FromDxf);

  // A refused import does not leave the old outline selected.
  EXPECT_FALSE(ImportDXF(dxf, folder.Write("bad.dxf", "garbage")).Accepted);
  EXPECT_EQ(AddAnyShape(lists, dxf, "C", "1", "Triangle1", {}), "profile variant value is invalid");
}

TEST_F(DxfImportTest, MalformedFilesNeverCrash) {
  const std::string base =
      Entities(LightPolyline({{0, 0, 0.5}, {100, 0, 0}, {100, 50, -2}, {0, 50, 0}}) +
               "0\nPOLYLINE\n10\n0\n20\n0\n0\nVERTEX\n10\n1\n20\n1\n42\n1\n0\nVERTEX\n10\n3\n"
               "20\n1\n0\nSEQEND\n0\nCIRCLE\n10\n5\n20\n5\n40\n2\n");
  const std::string pieces[] = {"1e308",        "-1e308",   "nan",          "inf",
                                "\n",           "0\n",      "42\n1e-300\n", "\x00\xff",
                                "LWPOLYLINE\n", "CIRCLE\n", "POLYLINE\n"};
  std::mt19937 random(12345);
  for (int round = 0; round < 400; ++round) {
    std::string text = base;
    const int edits = 1 + static_cast<int>(random() % 6);
    for (int e = 0; e < edits; ++e) {
      const size_t at = random() % (text.size() + 1);
      switch (random() % 4) {
        case 0:
          text.resize(at);
          break;
        case 1:
          text.insert(at, 1, static_cast<char>(random() % 256));
          break;
        case 2:
          text.insert(at, pieces[random() % std::size(pieces)]);
          break;
        default:
          if (at < text.size()) text.erase(at, 1 + random() % 8);
      }
    }
    const TDxfReadResult result = Read(text);
    if (result.Accepted) {
      EXPECT_GE(dxf.Outline.ExtentX, 0);
      EXPECT_GE(dxf.Outline.ExtentY, 0);
    }
  }
}

}  // namespace
}  // namespace vexlin
