#include "output/dxf_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/ext_polyline.h"
#include "model/packet.h"
#include "model/trapezium_list.h"
#include "optimizer/schemes.h"
#include "output/dxf_export.h"
#include "output/report.h"
#include "support/export_fixtures.h"
#include "support/temp_folder.h"

namespace vexlin {
namespace {

using Lines = std::vector<std::string>;

TDateTimeText FixedClock() {
  return {"2026-12-08", "14:05:09"};
}

Lines Slice(const Lines& lines, size_t first, size_t count) {
  return Lines(lines.begin() + static_cast<std::ptrdiff_t>(first),
               lines.begin() + static_cast<std::ptrdiff_t>(first + count));
}

Lines SplitCrLf(const std::string& text) {
  Lines lines;
  size_t start = 0;
  for (size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(start, text.size()) << "text after the last line end";
  return lines;
}

// The entities after the ENTITIES section's start (or of a bare entity list) as (type, layer, group
// values) in file order.
struct Entity {
  std::string Type;
  std::string Layer;
  Lines Pairs;  // code, value, code, value ... after the layer

  std::string Value(const std::string& code, int occurrence = 0) const {
    for (size_t i = 0; i + 1 < Pairs.size(); i += 2) {
      if (Pairs[i] == code && occurrence-- == 0) return Pairs[i + 1];
    }
    return "<none>";
  }
};

std::vector<Entity> EntitiesOf(const Lines& lines) {
  auto at = std::find(lines.begin(), lines.end(), "ENTITIES");
  at = at == lines.end() ? lines.begin() : at + 1;
  std::vector<Entity> entities;
  for (; at + 1 < lines.end(); at += 2) {
    if (*at == "0") {
      entities.push_back({*(at + 1), "", {}});
    } else if (*at == "8" && entities.back().Layer.empty()) {
      entities.back().Layer = *(at + 1);
    } else {
      entities.back().Pairs.insert(entities.back().Pairs.end(), {*at, *(at + 1)});
    }
  }
  return entities;
}

std::vector<Entity> OnLayer(const std::vector<Entity>& entities, const std::string& layer) {
  std::vector<Entity> found;
  for (const Entity& e : entities) {
    if (e.Layer == layer) found.push_back(e);
  }
  return found;
}

// (x, y) of every VERTEX in the list.
std::vector<std::pair<std::string, std::string>> Vertices(const std::vector<Entity>& entities) {
  std::vector<std::pair<std::string, std::string>> points;
  for (const Entity& e : entities) {
    if (e.Type == "VERTEX") points.emplace_back(e.Value("10"), e.Value("20"));
  }
  return points;
}

TReportSettings Settings(int32_t blade) {
  TReportSettings settings;
  settings.UnitText = "mm";
  settings.BladeWidth = blade;
  settings.LengthEdge = 10000;
  settings.WidthEdge = 10000;
  return settings;
}

TEST(DXFOutTest, HeaderHoldsLimitsAndTheOneLayer) {
  TDXFOut out(3, TDXFPoint{0, 0}, TDXFPoint{2440, 1420});
  out.WriteHeader();
  const Lines expected{"0",  "SECTION",      "2", "HEADER",    "9",  "$LIMMIN",  "10", "0.000",
                       "20", "0.000",        "9", "$LIMMAX",   "10", "2440.000", "20", "1420.000",
                       "9",  "$DWGCODEPAGE", "3", "ANSI_1252", "0",  "ENDSEC",   "0",  "SECTION",
                       "2",  "TABLES",       "0", "TABLE",     "2",  "LAYER",    "70", "1",
                       "0",  "LAYER",        "2", "0",         "70", "64",       "62", "7",
                       "6",  "CONTINUOUS",   "0", "ENDTAB",    "0",  "ENDSEC",   "0",  "SECTION",
                       "2",  "ENTITIES"};
  EXPECT_EQ(out.Lines, expected);
  EXPECT_EQ(out.Layer(), "0");
  out.WriteEnd();
  EXPECT_EQ(Slice(out.Lines, expected.size(), 4), (Lines{"0", "ENDSEC", "0", "EOF"}));
  EXPECT_EQ(out.Text().substr(0, 12), "0\r\nSECTION\r\n");
}

TEST(DXFOutTest, NumbersAndTextsAreBounded) {
  TDXFOut out(3, {}, {});
  EXPECT_EQ(out.FormatNumber(-1209.999), "-1209.999");
  EXPECT_EQ(out.FormatNumber(0.25), "0.250");
  EXPECT_EQ(out.FormatNumber(1e40).size(), 32u);
  EXPECT_EQ(out.FormatNumber(std::nan("")), "0");
  out.SetLayer(std::string(40, 'L'));
  out.AddText(std::string(300, 'a'), 1, 2, 0, 2, 0);
  EXPECT_EQ(out.Lines[3], std::string(32, 'L'));
  EXPECT_EQ(out.Lines[13], std::string(255, 'a'));
  // A cut never splits a character in two, nor the escape of one.
  out.AddText(std::string(250, 'a') + "\xCE\xA9", 0, 0, 0, 2, 0);
  EXPECT_EQ(out.Lines[out.Lines.size() - 3], std::string(250, 'a'));
  // A line break in a label would end the value line early and shift every later pair.
  out.AddText("A\r\nB", 0, 0, 0, 2, 0);
  EXPECT_EQ(out.Lines[out.Lines.size() - 3], "A  B");
}

// The header declares Windows-1252; what that code page lacks is written as \U+XXXX.
TEST(DXFOutTest, TextsAreWrittenInTheDeclaredCodePage) {
  TDXFOut out(3, {}, {});
  out.AddText("T\xC3\xBCr \xE2\x82\xAC \xCE\xA9 \xE9\x96\x80 \xF0\x9F\x98\x80", 0, 0, 0, 2, 0);
  EXPECT_EQ(out.Lines[13], "T\xFCr \x80 \\U+03A9 \\U+9580 ?");
}

TEST(DXFOutTest, EllipseRunsAlongTheUpperThenTheLowerCurve) {
  TDXFOut out(3, {}, {});
  out.AddEllipse(0, 0, 300000, -200000);
  const Lines header{"0",     "POLYLINE", "8",     "0",  "66",    "1",  "10",
                     "0.000", "20",       "0.000", "30", "0.000", "70", "1"};
  EXPECT_EQ(Slice(out.Lines, 0, 14), header);
  const Lines first{"0",  "VERTEX",   "8",  "0",     "10", "0.000",
                    "20", "-100.000", "30", "0.000", "70", "1"};
  EXPECT_EQ(Slice(out.Lines, 14, 12), first);
  // The first step is halved six times until the chord is short enough: x = 300 / 100 / 64.
  EXPECT_EQ(Slice(out.Lines, 26 + 4, 4), (Lines{"10", "0.047", "20", "-97.500"}));
  EXPECT_EQ(Slice(out.Lines, out.Lines.size() - 16, 16),
            (Lines{"0", "VERTEX", "8", "0", "10", "0.000", "20", "-100.000", "30", "0.000", "70",
                   "1", "0", "SEQEND", "8", "0"}));

  const std::vector<TEllipsePoint> walk = WalkEllipse(0, 0, 300000, -200000);
  EXPECT_EQ(out.Lines.size(), 14 + 12 * 2 * walk.size() + 4);
  EXPECT_GT(walk.size(), 100u);
  for (size_t k = 1; k < walk.size(); ++k) {
    const TEllipsePoint& p = walk[k];
    EXPECT_GT(p.X, walk[k - 1].X);
    EXPECT_LE(p.X, 300000);
    EXPECT_NEAR(p.Upper + p.Lower, -200000, 1e-6);
    const double u = (p.X - 150000) / 150000;
    const double v = (p.Upper + 100000) / 100000;
    EXPECT_NEAR(u * u + v * v, 1, 1e-9);
    EXPECT_LE(std::hypot(p.X - walk[k - 1].X, p.Upper - walk[k - 1].Upper), 3000 + 1e-9);
  }
  EXPECT_NEAR(walk.back().X, 300000, 3000);
}

TEST(DXFOutTest, EllipseOfNoLengthIsOnePoint) {
  EXPECT_EQ(WalkEllipse(5000, 0, 5000, -100).size(), 1u);
}

// A quarter of a disc of radius 100 at the origin: A(0,0) - B(100,0), an arc from B to
// C(0,100) around A, and back to A.
TExtPolyline QuarterDisc(bool arcFlag, bool clockwise) {
  TExtPolyline outline;
  outline.AddSegment({0, 0}, false, false, false, false, {});
  outline.AddSegment({100000, 0}, false, false, false, false, {});
  outline.AddSegment({0, 100000}, true, false, arcFlag, clockwise, {0, 0});
  outline.AddSegment({0, 0}, false, true, false, false, {});
  outline.SetExtentX(100000);
  outline.SetExtentY(100000);
  return outline;
}

TEST(DXFExportTest, OutlineArcsBecomeBulges) {
  struct Case {
    bool ArcFlag;
    bool Clockwise;
    const char* Bulge;
  };
  for (const Case& c :
       {Case{false, false, "0.414"}, Case{false, true, "-0.414"}, Case{true, true, "-2.414"}}) {
    TDXFOut out(3, {}, {});
    WriteDXF(QuarterDisc(c.ArcFlag, c.Clockwise), TPoint{10000, -10000}, out, "parts", "Q", false,
             false);
    const std::vector<Entity> entities = EntitiesOf(out.Lines);
    ASSERT_EQ(entities.size(), 5u);
    EXPECT_EQ(entities[0].Type, "POLYLINE");
    EXPECT_EQ(Vertices(entities),
              (std::vector<std::pair<std::string, std::string>>{
                  {"10.000", "-10.000"}, {"110.000", "-10.000"}, {"10.000", "-110.000"}}));
    EXPECT_EQ(entities[2].Value("42"), c.Bulge);
    EXPECT_EQ(entities[2].Value("70"), "<none>");
    EXPECT_EQ(entities[1].Value("70"), "1");
    EXPECT_EQ(entities[4].Type, "SEQEND");
    EXPECT_EQ(entities[4].Layer, "parts");
  }
}

TEST(DXFExportTest, FullCircleLoopIsABareCircle) {
  TExtPolyline ring;
  ring.AddSegment({100000, 50000}, true, false, true, false, {50000, 50000});
  ring.AddSegment({0, 0}, false, true, false, false, {});
  TDXFOut out(3, {}, {});
  WriteDXF(ring, TPoint{0, -20000}, out, "parts", "R", false, false);
  EXPECT_EQ(out.Lines, (Lines{"0", "CIRCLE", "8", "parts", "10", "50.000", "20", "-70.000", "30",
                              "0.000", "40", "50.000"}));
}

TEST(DXFExportTest, OutlineTextsSitAtTheCentreAndOnEveryEdge) {
  TDXFOut out(3, {}, {});
  WriteDXF(QuarterDisc(false, true), TPoint{0, 0}, out, "parts", "Q", true, true);
  const std::vector<Entity> texts = EntitiesOf(out.Lines);
  const std::vector<Entity> label = OnLayer(texts, "parts label");
  ASSERT_EQ(label.size(), 1u);
  // Anchor (100/3, 100/3) truncated; one character moves it 6 / 8 units, here 0.
  EXPECT_EQ(label[0].Value("1"), "Q");
  EXPECT_EQ(label[0].Value("10"), "33.333");
  EXPECT_EQ(label[0].Value("20"), "-33.332");
  const std::vector<Entity> sizes = OnLayer(texts, "parts length x width");
  ASSERT_EQ(sizes.size(), 3u);
  EXPECT_EQ(sizes[0].Value("1"), "100");
  EXPECT_EQ(sizes[1].Value("1"), "141.421");
  EXPECT_EQ(sizes[2].Value("1"), "100");
  EXPECT_EQ(sizes[1].Value("10"), "50.000");
  EXPECT_EQ(sizes[1].Value("20"), "-49.999");
}

TEST(DXFExportTest, RectanglePieceWithAllTexts) {
  TDXFOut out(3, {}, {});
  const T2DStock piece = Piece("AB", 100000, 50000, 603000, 403000, kShapeRectangle);
  WriteDXF(piece, 3000, TPoint{10000, -10000}, out, "parts", TDXFShowFlags{true, true, true});
  const std::vector<Entity> all = EntitiesOf(out.Lines);
  ASSERT_EQ(all.size(), 9u);
  EXPECT_EQ(all[0].Layer, "parts label");
  EXPECT_EQ(all[0].Value("1"), "AB");
  EXPECT_EQ(all[0].Value("10"), "409.000");  // 410 less 2 characters x 6 / 8
  EXPECT_EQ(all[0].Value("20"), "-259.999");
  EXPECT_EQ(all[0].Value("40"), "2.000");
  EXPECT_EQ(all[1].Layer, "parts origin");
  EXPECT_EQ(all[1].Value("1"), "(100,50)");
  EXPECT_EQ(all[1].Value("10"), "110.400");
  EXPECT_EQ(all[1].Value("20"), "-62.400");
  EXPECT_EQ(all[2].Layer, "parts length x width");
  EXPECT_EQ(all[2].Value("1"), "600X400");
  EXPECT_EQ(all[2].Value("20"), "-459.600");
  EXPECT_EQ(all[3].Layer, "parts");
  EXPECT_EQ(Vertices(all),
            (std::vector<std::pair<std::string, std::string>>{{"110.000", "-60.000"},
                                                              {"710.000", "-60.000"},
                                                              {"710.000", "-460.000"},
                                                              {"110.000", "-460.000"}}));

  TDXFOut bare(3, {}, {});
  WriteDXF(piece, 3000, TPoint{10000, -10000}, bare, "parts", TDXFShowFlags{});
  EXPECT_EQ(EntitiesOf(bare.Lines).size(), 6u);
}

TEST(DXFExportTest, DiscsAreCirclesOrEllipses) {
  TDXFOut out(3, {}, {});
  WriteDXF(Piece("D", 200000, 300000, 100000, 100000, kShapeDisc), 0, TPoint{0, 0}, out, "parts",
           TDXFShowFlags{false, true, true});
  EXPECT_EQ(out.Lines, (Lines{"0", "CIRCLE", "8", "parts", "10", "250.000", "20", "-350.000", "30",
                              "0.000", "40", "50.000"}));
  TDXFOut oval(3, {}, {});
  WriteDXF(Piece("E", 0, 0, 300000, 200000, kShapeDisc), 0, TPoint{0, 0}, oval, "parts", {});
  TDXFOut direct(3, {}, {});
  direct.SetLayer("parts");
  direct.AddEllipse(0, 0, 300000, -200000);
  EXPECT_EQ(oval.Lines, direct.Lines);
}

TEST(DXFExportTest, ProfilePieceDrawsItsTurnedOutline) {
  TTrapezium shape;
  shape.Name = "QuarterForDxf";
  shape.Outlines[1][3] = QuarterDisc(false, true);
  ProfileShapes().AddOrReplace(shape);
  T2DStock piece = Piece("QuarterForDxf", 5000, 6000, 100000, 100000, kShapeProfile);
  piece.SetOrientation(3);
  TDXFOut out(3, {}, {});
  WriteDXF(piece, 0, TPoint{1000, -1000}, out, "parts", TDXFShowFlags{false, false, true});
  ProfileShapes().DeleteByName("QuarterForDxf");
  const std::vector<Entity> all = EntitiesOf(out.Lines);
  ASSERT_EQ(all.size(), 5u);
  EXPECT_EQ(Vertices(all)[0], std::make_pair(std::string("6.000"), std::string("-7.000")));

  TDXFOut missing(3, {}, {});
  WriteDXF(piece, 0, TPoint{}, missing, "parts", TDXFShowFlags{true, true, true});
  EXPECT_TRUE(missing.Lines.empty());
}

TEST(DXFExportTest, SheetOutlineUsableAreaAndLimits) {
  TempFolder folder;
  const TExportedFile file =
      SaveDXFFile(folder.PathOf("cut"), OneSheet("S1", 3000), 0, Settings(3000), {}, FixedClock);
  ASSERT_EQ(file.Error, "");
  EXPECT_EQ(file.FileName, folder.PathOf("cut_1.dxf"));
  const Lines lines = SplitCrLf(folder.Read("cut_1.dxf"));
  EXPECT_EQ(Slice(lines, 10, 6), (Lines{"9", "$LIMMAX", "10", "2440.000", "20", "1420.000"}));
  const std::vector<Entity> sheet = OnLayer(EntitiesOf(lines), "sheet");
  EXPECT_EQ(Vertices(sheet),
            (std::vector<std::pair<std::string, std::string>>{{"0.000", "0.000"},
                                                              {"2440.000", "0.000"},
                                                              {"2440.000", "-1220.000"},
                                                              {"0.000", "-1220.000"},
                                                              {"10.000", "-10.000"},
                                                              {"2430.001", "-10.000"},
                                                              {"2430.001", "-1209.999"},
                                                              {"10.000", "-1209.999"}}));
  EXPECT_EQ(Slice(lines, lines.size() - 4, 4), (Lines{"0", "ENDSEC", "0", "EOF"}));

  SaveDXFFile(folder.PathOf("bare"), OneSheet("S1", 0), 0, Settings(0), {}, FixedClock);
  const std::vector<Entity> usable =
      OnLayer(EntitiesOf(SplitCrLf(folder.Read("bare_1.dxf"))), "sheet");
  EXPECT_EQ(Vertices(usable).size(), 4u);
  EXPECT_EQ(Vertices(usable)[0], std::make_pair(std::string("10.000"), std::string("-10.000")));
}

TEST(DXFExportTest, PiecesOffcutsAndReportLines) {
  TSchemes result = OneSheet("S1", 0);
  result[0].Pieces.AddCopy(Piece("P1", 0, 0, 600000, 400000, kShapeRectangle));
  result[0].Pieces.AddCopy(Piece("OFFCUT_1", 600000, 0, 500000, 400000, kShapeRectangle));
  result[0].Pieces.AddCopy(Piece("ZEROOFFCUT_1", 0, 400000, 2000, 400000, kShapeRectangle));
  TReportSettings settings = Settings(0);
  TempFolder folder;
  for (bool showOffcuts : {false, true}) {
    settings.ShowOffcuts = showOffcuts;
    const std::vector<std::string> report =
        FormatOneLayoutReport(result[0], 0, settings, FixedClock);
    ASSERT_EQ(SaveDXFFile(folder.PathOf("cut"), result, 0, settings, {}, FixedClock).Error, "");
    const std::vector<Entity> entities = EntitiesOf(SplitCrLf(folder.Read("cut_1.dxf")));
    EXPECT_EQ(OnLayer(entities, "parts").size(), 6u);
    EXPECT_EQ(OnLayer(entities, "offcuts").size(), showOffcuts ? 6u : 0u);
    const std::vector<Entity> texts = OnLayer(entities, "layout report");
    ASSERT_EQ(texts.size(), report.size());
    EXPECT_EQ(texts[0].Value("1"), report[0].substr(0, 255));
    EXPECT_EQ(texts[0].Value("10"), "0.000");
    EXPECT_EQ(texts[0].Value("20"), "-1226.000");
    EXPECT_EQ(texts[1].Value("20"), "-1229.000");
  }
}

TEST(DXFExportTest, OneFilePerLayout) {
  EXPECT_EQ(LayoutFileName("/tmp/cut", 0, ".dxf"), "/tmp/cut_1.dxf");
  EXPECT_EQ(LayoutFileName("/tmp/cut.dxf", 1, ".dxf"), "/tmp/cut_2.dxf");
  EXPECT_EQ(LayoutFileName("/tmp/cut.DXF", 2, ".dxf"), "/tmp/cut_3.dxf");
  EXPECT_EQ(LayoutFileName("/tmp/cut.gnc", 9, ".dxf"), "/tmp/cut.gnc_10.dxf");

  TempFolder folder;
  TSchemes result = OneSheet("S1", 0);
  result.Items.push_back(result[0]);
  EXPECT_EQ(ExportAllDXF(folder.PathOf("job.dxf"), result, Settings(0), {}, FixedClock), "");
  EXPECT_FALSE(folder.Read("job_1.dxf").empty());
  EXPECT_FALSE(folder.Read("job_2.dxf").empty());

  EXPECT_EQ(ExportAllDXF(folder.PathOf("none"), TSchemes{}, Settings(0), {}, FixedClock),
            "Layout is empty, please optimize first.");
  const std::string error =
      ExportAllDXF(folder.PathOf("missing/job"), result, Settings(0), {}, FixedClock);
  EXPECT_NE(error.find("missing/job_1.dxf"), std::string::npos) << error;
}

TEST(DXFExportTest, DecimalCommaLocaleStillWritesPoints) {
  std::locale german;
  try {
    german = std::locale("de_DE.UTF-8");
  } catch (const std::runtime_error&) {
    GTEST_SKIP() << "no de_DE.UTF-8 locale on this machine";
  }
  const std::locale previous = std::locale::global(german);
  TDXFOut out(3, {}, {});
  const std::string number = out.FormatNumber(1234.5);
  const std::vector<TEllipsePoint> walk = WalkEllipse(0, 0, 300000, -200000);
  std::locale::global(previous);
  EXPECT_EQ(number, "1234.500");
  EXPECT_EQ(walk.size(), WalkEllipse(0, 0, 300000, -200000).size());
}

// The first interpreter that can import ezdxf: the one on the path, else the system's own
// (where the distribution's package installs it); empty when there is none.
std::string PythonWithEzdxf() {
  for (const std::string python : {"python3", "/usr/bin/python3"}) {
    const std::string probe = python + " -c \"import ezdxf\" > /dev/null 2>&1";
    if (std::system(probe.c_str()) == 0) return python;
  }
  return "";
}

// Opens exported drawings with a real DXF reader when one is installed.
TEST(DXFExportTest, ExportedDrawingsPassARealReaderAudit) {
  const std::string python = PythonWithEzdxf();
  if (python.empty()) GTEST_SKIP() << "python3 with ezdxf is not available";
  TTrapezium shape;
  shape.Name = "QuarterForReader";
  shape.Outlines[1][0] = QuarterDisc(true, false);
  ProfileShapes().AddOrReplace(shape);
  TSchemes result = OneSheet("S1", 3000);
  result[0].Pieces.AddCopy(Piece("P1", 0, 0, 603000, 403000, kShapeRectangle));
  result[0].Pieces.AddCopy(Piece("D1", 700000, 0, 303000, 303000, kShapeDisc));
  result[0].Pieces.AddCopy(Piece("E1", 1100000, 0, 303000, 203000, kShapeDisc));
  T2DStock profile = Piece("QuarterForReader", 0, 500000, 103000, 103000, kShapeProfile);
  profile.SetOrientation(0);
  result[0].Pieces.AddCopy(profile);
  result.Items.push_back(OneSheet("S1", 3000)[0]);
  TempFolder folder;
  const std::string error = ExportAllDXF(folder.PathOf("audit"), result, Settings(3000),
                                         TDXFShowFlags{true, true, true}, FixedClock);
  ProfileShapes().DeleteByName("QuarterForReader");
  ASSERT_EQ(error, "");
  const std::string command = python + " \"" + VEXLIN_TEST_DATA_DIR +
                              "/../output/dxf_reader_check.py\" \"" + folder.PathOf("audit_1.dxf") +
                              "\" \"" + folder.PathOf("audit_2.dxf") + "\"";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
}

// The texts of a drawing as the reader shows them, one a line.
std::string ReadBackTexts(const std::string& python, const std::string& drawing) {
  const std::string command = python + " \"" + VEXLIN_TEST_DATA_DIR +
                              "/../output/dxf_reader_check.py\" --texts \"" + drawing + "\"";
  std::string texts;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return texts;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) texts += buffer;
  EXPECT_EQ(pclose(pipe), 0) << command;
  return texts;
}

TEST(DXFExportTest, ARealReaderShowsNonAsciiLabelsAsTyped) {
  const std::string python = PythonWithEzdxf();
  if (python.empty()) GTEST_SKIP() << "python3 with ezdxf is not available";
  const std::string label = "T\xC3\xBCr \xCE\xA9 \xE9\x96\x80";  // Tür, a Greek and a CJK letter
  TSchemes result = OneSheet("S1", 3000);
  result[0].Pieces.AddCopy(Piece(label.c_str(), 0, 0, 603000, 403000, kShapeRectangle));
  TempFolder folder;
  ASSERT_EQ(ExportAllDXF(folder.PathOf("labels"), result, Settings(3000),
                         TDXFShowFlags{true, false, false}, FixedClock),
            "");
  const std::string texts = ReadBackTexts(python, folder.PathOf("labels_1.dxf"));
  EXPECT_NE(("\n" + texts).find("\n" + label + "\n"), std::string::npos) << texts;
}

}  // namespace
}  // namespace vexlin
