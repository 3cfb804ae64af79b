#include "input/profile_file.h"

#include <gtest/gtest.h>

#include "input/dxf_import.h"
#include "input/profile_list.h"
#include "support/temp_folder.h"

namespace vexlin {
namespace {

class ProfileFileTest : public ::testing::Test {
 protected:
  TempFolder folder;
  TTrapeziumList shapes;
  TProfileLists lists{{}, &shapes};
  TDxfImport dxf;
};

const char kRectangleDxf[] =
    "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n90\n4\n10\n0\n20\n0\n10\n100\n20\n0\n"
    "10\n100\n20\n50\n10\n0\n20\n50\n0\nENDSEC\n0\nEOF\n";

TEST_F(ProfileFileTest, RoundTripKeepsEveryProfile) {
  ASSERT_EQ(AddStandardShape(lists, "T1", "Triangle1", {"3", "4", "5"}, 2), "");
  ASSERT_EQ(AddStandardShape(lists, "D", "Disc2", {"10", "6"}, 1), "");
  const std::string dxfPath = folder.Write("rect.dxf", kRectangleDxf);
  ASSERT_TRUE(ImportDXF(dxf, dxfPath).Accepted);
  ASSERT_EQ(AddAnyShape(lists, dxf, "R", "3", "", {}), "");
  const std::string path = folder.PathOf("p.apt");
  ASSERT_EQ(SaveAnyShapeFile(lists, path), "");
  const std::string text = folder.Read("p.apt");
  EXPECT_LT(text.find("[STR]"), text.find("[STR0TZ]"));
  EXPECT_LT(text.find("[STR0TZ]"), text.find("[STR0]"));
  EXPECT_LT(text.find("[STR0]"), text.find("[STR1TZ]"));

  TTrapeziumList loadedShapes;
  TProfileLists loaded{{}, &loadedShapes};
  dxf.OutlineSelected = true;
  EXPECT_TRUE(ReadAnyShapeFile(loaded, dxf, path).empty());
  EXPECT_FALSE(dxf.OutlineSelected);
  EXPECT_TRUE(dxf.Outline.Segments.empty());
  ASSERT_EQ(loaded.Profiles.Size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(loaded.Profiles[i].Label, lists.Profiles[i].Label);
    EXPECT_EQ(loaded.Profiles[i].Count, lists.Profiles[i].Count);
    EXPECT_EQ(loaded.Profiles[i].Length, lists.Profiles[i].Length);
    EXPECT_EQ(loaded.Profiles[i].Width, lists.Profiles[i].Width);
    EXPECT_EQ(loadedShapes[i].Outline(1, 0), shapes[i].Outline(1, 0));
    EXPECT_EQ(loadedShapes[i].ShapeType, shapes[i].ShapeType);
  }
  EXPECT_EQ(loaded.Profiles[2].Length, 100000);
  EXPECT_TRUE(loadedShapes[2].FromDxf);
}

TEST_F(ProfileFileTest, BadEntriesAreReportedAndSkipped) {
  const std::string missingDxf = folder.PathOf("missing.dxf");
  const std::string path =
      folder.Write("bad.apt",
                   "[STR]\nCN=5\n"
                   "[STR0TZ]\nN=Triangle2\nP1=3\nP2=2\nDX=0\n[STR0]\nL=A\nQ=1\n"
                   "[STR1TZ]\nN=Hexagon\nP1=3\nDX=0\n[STR1]\nL=B\nQ=1\n"
                   "[STR2TZ]\nN=Disc2\nP1=10\nP2=6\nDX=0\n[STR2]\nL=A\nQ=1\n"
                   "[STR3TZ]\nN=" +
                       missingDxf +
                       "\nDX=1\n[STR3]\nL=C\nQ=1\n"
                       "[STR4TZ]\nN=Disc2\nP1=10\nP2=6\nDX=0\n[STR4]\nL=E\nQ=7\n");
  ASSERT_EQ(AddStandardShape(lists, "OLD", "Triangle2", {"3", "2"}, 1), "");
  const std::vector<std::string> messages = ReadAnyShapeFile(lists, dxf, path);
  EXPECT_EQ(messages,
            (std::vector<std::string>{"profile variant value is invalid", "label isn't unique",
                                      "File isn't exist or file being used"}));
  ASSERT_EQ(lists.Profiles.Size(), 2u);
  EXPECT_EQ(lists.Profiles[0].Label, "A");
  EXPECT_EQ(lists.Profiles[1].Label, "E");
  EXPECT_EQ(lists.Profiles[1].Count, 7);
  EXPECT_EQ(shapes.Size(), 2u);
  EXPECT_EQ(shapes[1].Name, "E");
}

// Entries whose shape has no area, or whose DXF is a device, are refused by name.
TEST_F(ProfileFileTest, EntriesWithoutAreaOrWithADeviceAsDxfAreRefused) {
  const std::string flat = VEXLIN_TEST_DATA_DIR "/flat-line-profile/flat-line.dxf";
  const std::string path = folder.Write(
      "flat.apt",
      "[STR]\nCN=3\n[STR0TZ]\nN=" + flat +
          "\nDX=1\n[STR0]\nL=LINE\nQ=2\n"
          "[STR1TZ]\nN=/dev/zero\nDX=1\n[STR1]\nL=ZERO\nQ=1\n"
          "[STR2TZ]\nN=Trapezium3\nP1=0.001\nP2=1000\nP3=0.001\nDX=0\n[STR2]\nL=T\nQ=1\n");
  const std::vector<std::string> messages = ReadAnyShapeFile(lists, dxf, path);
  EXPECT_EQ(
      messages,
      (std::vector<std::string>{
          "DXF outline encloses no area (zero length, zero height or a flat line):\n" + flat,
          "Not a regular file, not read as DXF:\n/dev/zero", "profile variant value is invalid"}));
  EXPECT_TRUE(lists.Profiles.Empty());
  EXPECT_EQ(shapes.Size(), 0u);
}

TEST_F(ProfileFileTest, DuplicateDxfLabelsAreRefused) {
  const std::string dxfPath = folder.Write("rect.dxf", kRectangleDxf);
  const std::string entry = "N=" + dxfPath + "\nDX=1\n";
  const std::string path =
      folder.Write("dup.apt", "[STR]\nCN=2\n[STR0TZ]\n" + entry + "[STR0]\nL=R\nQ=1\n[STR1TZ]\n" +
                                  entry + "[STR1]\nL=R\nQ=2\n");
  EXPECT_EQ(ReadAnyShapeFile(lists, dxf, path), std::vector<std::string>{"label isn't unique"});
  EXPECT_EQ(lists.Profiles.Size(), 1u);
}

}  // namespace
}  // namespace vexlin
