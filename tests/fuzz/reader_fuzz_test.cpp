// Every reader of the program fed thousands of damaged files: each must return (errors are
// returned texts) without crashing or tripping a sanitizer. When one crashes, the input
// that did it is still in the test's folder under the system's temporary directory.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/mutator.h"
#include "input/caption_file.h"
#include "input/dxf_import.h"
#include "input/list_files.h"
#include "input/option_values.h"
#include "input/options_file.h"
#include "input/profile_file.h"
#include "input/profile_list.h"
#include "input/text_import.h"
#include "model/ini_file.h"
#include "model/run_options.h"
#include "model/text_table.h"
#include "model/trapezium_list.h"
#include "optimizer/search_test_jobs.h"
#include "optimizer/vexlin.h"
#include "output/dxf_export.h"
#include "output/gcode_export.h"
#include "output/html_export.h"
#include "output/layout_facts.h"
#include "output/layout_picture.h"
#include "output/layout_rearrange.h"
#include "output/layouts_file.h"
#include "output/manual_placement.h"
#include "output/offcut_file.h"
#include "output/offcut_generator.h"
#include "output/report.h"
#include "output/sheet_view_geometry.h"
#include "run/optimization_run.h"
#include "support/recording_canvas.h"
#include "support/temp_folder.h"

namespace vexlin {
namespace {

constexpr size_t kDefaultIterations = 3000;

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The files of the bundled jobs with the given extension (".sht", ".prt", ".opt"), in path
// order so that every machine mutates the same seeds in the same order.
std::vector<std::string> JobFiles(const std::string& extension) {
  std::vector<std::filesystem::path> paths;
  for (const auto& file :
       std::filesystem::recursive_directory_iterator(VEXLIN_TEST_DATA_DIR "/jobs")) {
    if (file.path().extension() == extension) paths.push_back(file.path());
  }
  std::sort(paths.begin(), paths.end());
  std::vector<std::string> files;
  for (const auto& path : paths) files.push_back(ReadBytes(path));
  return files;
}

const std::vector<std::string> kIniWords = {
    "SHEET1",   "PART1",      "OFFCUT1",   "OPTION",      "STR",     "STR0",        "STR0TZ",
    "CAPTION",  "HINT",       "LYT0",      "LYT1",        "OT0",     "LABEL",       "LENGTH",
    "WIDTH",    "QTY",        "COST",      "ROTATE",      "SHAPE",   "CN",          "L",
    "Q",        "T",          "TZ",        "BLADE_WIDTH", "MEASURE", "LENGTH_EDGE", "WIDTH_EDGE",
    "[OPTION]", "[SHEET500]", "[PART501]", "[STR]",       "[LYT]",   "; comment",   "=",
    "==",       "[]"};

const std::vector<std::string> kDxfWords = {
    "0",   "2",        "8",          "10",     "20",      "30",       "40",
    "42",  "66",       "70",         "90",     "SECTION", "ENTITIES", "ENDSEC",
    "EOF", "POLYLINE", "LWPOLYLINE", "VERTEX", "SEQEND",  "CIRCLE",   "999"};

// Feeds mutations of the seeds to the reader, one file per iteration at the same path.
template <typename Reader>
void Fuzz(const TempFolder& folder, const std::string& name, uint32_t seed,
          const std::vector<std::string>& seeds, const std::vector<std::string>& words,
          Reader read) {
  ASSERT_FALSE(seeds.empty());
  TMutator mutator(seed, words);
  const size_t iterations = FuzzIterations(kDefaultIterations);
  for (size_t i = 0; i < iterations; ++i) {
    const size_t which = i % seeds.size();
    // A new file rather than a truncated one: ext4 flushes a file rewritten in place to
    // disk on close, which made the run wait on the disk.
    std::filesystem::remove(folder.PathOf(name));
    read(folder.Write(name, mutator.Mutate(seeds[which])), which);
  }
}

std::string Entities(const std::string& body) {
  return "0\nSECTION\n2\nENTITIES\n" + body + "0\nENDSEC\n0\nEOF\n";
}

const std::string kRectangleDxf = Entities(
    "0\nLWPOLYLINE\n8\n0\n90\n4\n70\n1\n10\n0\n20\n0\n10\n100\n20\n0\n10\n100\n20\n50\n"
    "10\n0\n20\n50\n");

std::vector<std::string> DxfSeeds() {
  return {
      kRectangleDxf,
      Entities("0\nLWPOLYLINE\n90\n4\n70\n1\n10\n0\n20\n0\n42\n0.5\n10\n100\n20\n0\n42\n-1\n"
               "10\n100\n20\n50\n42\n1e-9\n10\n0\n20\n50\n42\n2\n"),
      Entities("0\nPOLYLINE\n66\n1\n10\n0\n20\n0\n30\n0\n0\nVERTEX\n10\n0\n20\n0\n0\nVERTEX\n"
               "10\n10\n20\n0\n42\n1\n0\nVERTEX\n10\n10\n20\n5\n0\nVERTEX\n10\n0\n20\n5\n"
               "0\nSEQEND\n"),
      Entities("0\nCIRCLE\n8\n0\n10\n50\n20\n50\n40\n25\n0\nCIRCLE\n10\n50\n20\n50\n40\n10\n"
               "0\nLWPOLYLINE\n10\n0\n20\n0\n10\n200\n20\n0\n10\n200\n20\n100\n"),
  };
}

TEST(ReaderFuzz, DxfImport) {
  TempFolder folder;
  Fuzz(folder, "in.dxf", 1, DxfSeeds(), kDxfWords, [](const std::string& path, size_t which) {
    TDxfImport dxf;
    if (which % 2 == 0) {
      ReadDXFFile(dxf, path);
    } else if (ImportDXF(dxf, path).Accepted) {
      EXPECT_TRUE(dxf.OutlineSelected);
    }
  });
}

TEST(ReaderFuzz, IniFile) {
  TempFolder folder;
  std::vector<std::string> seeds = JobFiles(".sht");
  for (const char* extension : {".prt", ".opt"}) {
    for (std::string& text : JobFiles(extension)) seeds.push_back(std::move(text));
  }
  Fuzz(folder, "in.ini", 2, seeds, kIniWords, [](const std::string& path, size_t) {
    TIniFile ini(path);
    for (const std::string& section : ini.ReadSections()) {
      for (const std::string& key : ini.ReadSectionKeys(section)) {
        ini.ReadString(section, key, "");
        ini.ReadInteger(section, key, 0);
        ini.ReadBool(section, key, false);
        ini.ReadFloat(section, key, 0);
        EXPECT_LE(ini.ReadCount(section, key), static_cast<int32_t>(ini.SectionCount()));
      }
    }
    ini.WriteString("OPTION", "MEASURE", "mm");
    EXPECT_EQ(ini.Save(), "");
  });
}

TEST(ReaderFuzz, ListFiles) {
  TempFolder folder;
  const std::vector<std::string> sheets = JobFiles(".sht");
  std::vector<std::string> seeds = sheets;
  for (std::string& text : JobFiles(".prt")) seeds.push_back(std::move(text));
  Fuzz(folder, "in.lst", 3, seeds, kIniWords, [&](const std::string& path, size_t which) {
    const bool parts = which >= sheets.size();
    const TGridKind kind =
        parts ? TGridKind::Parts : (which % 2 == 0 ? TGridKind::Sheets : TGridKind::Offcuts);
    const TListFileRead read = ReadListFile(path, kind);
    EXPECT_LE(read.Rows.size(), TIniFile(path).SectionCount());
    if (kind == TGridKind::Offcuts) {
      EXPECT_LE(read.Rows.size(), GridDataRows(kind));
    }
    if (!read.Refusal.empty()) {
      EXPECT_TRUE(read.Rows.empty());
    }
  });
}

TEST(ReaderFuzz, OptionsFile) {
  TempFolder folder;
  Fuzz(folder, "in.opt", 4, JobFiles(".opt"), kIniWords,
       [](const std::string& path, size_t) { ReadOptionsFile(path); });
}

TEST(ReaderFuzz, ProfileFile) {
  TempFolder folder;
  TTrapeziumList shapes;
  TProfileLists lists{{}, &shapes};
  TDxfImport dxf;
  ASSERT_EQ(AddStandardShape(lists, "T1", "Triangle1", {"3", "4", "5"}, 2), "");
  ASSERT_EQ(AddStandardShape(lists, "D", "Disc2", {"10", "6"}, 1), "");
  ASSERT_TRUE(ImportDXF(dxf, folder.Write("rect.dxf", kRectangleDxf)).Accepted);
  ASSERT_EQ(AddAnyShape(lists, dxf, "R", "3", "", {}), "");
  ASSERT_EQ(SaveAnyShapeFile(lists, folder.PathOf("seed.apt")), "");

  Fuzz(folder, "in.apt", 5, {folder.Read("seed.apt")}, kIniWords,
       [](const std::string& path, size_t) {
         TTrapeziumList loadedShapes;
         TProfileLists loaded{{}, &loadedShapes};
         TDxfImport loadedDxf;
         ReadAnyShapeFile(loaded, loadedDxf, path);
         EXPECT_FALSE(loadedDxf.OutlineSelected);
       });
}

TEST(ReaderFuzz, CaptionFile) {
  TempFolder folder;
  TTextTable table;
  ASSERT_EQ(WriteCaptionFile(folder.PathOf("seed.cap"), table), "");
  const std::vector<std::string> seeds = {
      folder.Read("seed.cap"), "[CAPTION]\nTab Sheets=Boards\n[HINT]\nTab Sheets=Stock\n"};
  Fuzz(folder, "in.cap", 6, seeds, kIniWords,
       [&](const std::string& path, size_t) { ReadCaptionFile(path, table); });
}

class LayoutsFileFuzz : public ::testing::Test {
 protected:
  void TearDown() override {
    BladeWidth = 0;
    GuillotineMode = false;
    UnitText = "inch";
    ProfileShapes().ClearList();
  }
};

// A run with rectangles, a disc and two profiles, offcut pieces made, as the program saves it.
std::string SavedRunWithProfiles(const TempFolder& folder) {
  TProfileLists profiles;
  EXPECT_EQ(AddStandardShape(profiles, "TRI", "Triangle1", {"300", "400", "500"}, 3), "");
  EXPECT_EQ(AddStandardShape(profiles, "ARCH", "Disc1", {"560", "120"}, 2), "");
  TPanels sheets;
  sheets.AddCopy(T2DStock().SetLabel("BOARD").SetLength(1600000).SetWidth(900000).SetCount(3));
  TPanels parts;
  parts.AddCopy(T2DStock().SetLabel("SIDE").SetLength(720000).SetWidth(300000).SetCount(3));
  parts.AddCopy(
      T2DStock().SetLabel("ROUND").SetLength(250000).SetWidth(250000).SetCount(2).SetShape(
          kShapeDisc));
  TOptionValues options;
  options.BladeWidth = 3000;
  options.Measure = "mm";
  ApplyOptionValues(options);
  TVexlin run;
  EXPECT_EQ(RunOptimization(run, sheets, parts, profiles.Profiles, options, {}), "");
  const std::string path = folder.PathOf("profiles.lyt");
  EXPECT_EQ(SaveLayoutsFile(path, run, {3000, "mm", 0, 0}), "");
  return folder.Read("profiles.lyt");
}

// Picks every part of the layout at its centre and drops it somewhere else, turned every
// other time, as a user does in the Manual mode.
void MovePartsByHand(TPacket& layout, double scale) {
  for (size_t i = 0; i < layout.Pieces.Size(); ++i) {
    const TRect at = PieceRectPixels(layout.Pieces[i], scale);
    TManualDrag drag;
    if (PickPart(layout, (at.Left + at.Right) / 2, (at.Top + at.Bottom) / 2, scale, drag) < 0) {
      continue;
    }
    drag.Turned = i % 2 == 1;
    const TRect drop = DragRectAt(drag, static_cast<int32_t>(i * 7 % 300), 40);
    AutoFillInRect(layout, drag, drop, 1.0 / scale, BladeWidth);
  }
}

// What the program does with a loaded result: offcuts, report, view, manual moves, and now
// and then the exports and Auto Rearrange, which take longer.
void UseLoadedResult(TVexlin& loaded, TVexlin& second, const TLayoutsLoad& load,
                     const TempFolder& folder, size_t iteration) {
  TReportSettings settings = ReportSettingsOf(LoadedOptionValues(load, TOptionValues()), true);
  for (TPacket& layout : loaded.BestResult.Items) {
    GenerateOffcutParts(layout, settings.BladeWidth, settings.Guillotine);
  }
  FormatRunReport(loaded, settings);
  for (size_t i = 0; i < loaded.BestResult.Size(); ++i) {
    TPacket& layout = loaded.BestResult[i];
    FormatOneLayoutReport(layout, i, settings);
    LayoutFactsOf(layout, settings);
    const double scale = FitSheetView(layout, settings, 800, 500).Scale;
    TRecordingCanvas canvas;
    DrawLayout(layout, canvas, TPoint{0, 0}, scale, TPictureStyle());
    MovePartsByHand(layout, scale);
  }
  if (iteration % 50 == 0) {
    const std::string name = folder.PathOf("out");
    ExportAllDXF(name, loaded.BestResult, settings, {true, true, true});
    ExportAllGCode(name, loaded.BestResult, settings, TOptionSettings());
    std::vector<std::string> pictures;
    if (ExportLayoutPictures(name, loaded.BestResult, settings, TPictureStyle(), 200, pictures)
            .empty()) {
      ExportHtml(name + ".html", loaded, settings, pictures);
    }
    TOptionValues options;
    options.BladeWidth = settings.BladeWidth;
    SaveSheetsScraps(folder.PathOf("out.ofc"), loaded.BestResult, options);
  }
  if (iteration % 200 == 0) LayoutAgainClick(second, loaded.BestResult[0]);
}

TEST_F(LayoutsFileFuzz, LoadLayoutsFile) {
  TempFolder folder;
  TVexlin saved;
  ASSERT_EQ(testjobs::RunJob(saved, testjobs::CabinetJob(3)), "");
  ASSERT_EQ(SaveLayoutsFile(folder.PathOf("seed.lyt"), saved,
                            {3500, "mm", 10 * testjobs::kMm, 5 * testjobs::kMm}),
            "");
  const std::vector<std::string> seeds = {folder.Read("seed.lyt"), SavedRunWithProfiles(folder)};
  TVexlin loaded;
  TVexlin second;
  size_t used = 0;
  Fuzz(folder, "in.lyt", 7, seeds, kIniWords, [&](const std::string& path, size_t) {
    const TLayoutsLoad load = LoadLayoutsFile(path, loaded);
    if (!load.Error.empty() || loaded.BestResult.Empty()) return;
    UseLoadedResult(loaded, second, load, folder, used++);
  });
  EXPECT_GT(used, 0u);
}

// Manual moves on the layouts of a file whose pieces name part types the layout does not
// count: the file is refused, and a drop of such a piece changes nothing.
TEST_F(LayoutsFileFuzz, ManualMovesOfPiecesWithoutAPartTypeChangeNothing) {
  const std::string path = VEXLIN_TEST_DATA_DIR "/damaged-results/manual-move-use-after-free.lyt";
  TVexlin loaded;
  EXPECT_NE(LoadLayoutsFile(path, loaded).Error, "");
  const TIniFile ini(path);
  for (int n = 0; n < 9; ++n) {
    TPacket layout;
    layout.LoadFromIni(ini, "LYTSC" + std::to_string(n));
    if (layout.Length <= 0 || layout.Width <= 0) continue;
    const TPacket before = layout;
    for (size_t i = 0; i < layout.Pieces.Size(); ++i) {
      const T2DStock& piece = layout.Pieces[i];
      if (piece.Index >= 0 && static_cast<size_t>(piece.Index) < layout.TypeCounts.Size()) continue;
      TManualDrag drag;
      drag.PieceIndex = static_cast<int32_t>(i);
      EXPECT_FALSE(AutoFillInRect(layout, drag, TRect{0, 0, 10, 10}, 1000.0, 4000));
      EXPECT_EQ(layout.Pieces.Size(), before.Pieces.Size());
    }
  }
}

// Two layouts of one sheet type whose part count lists differ in length: merging them
// compared counts beyond the end of the shorter list. Counts that do not match the part
// list are refused now.
TEST_F(LayoutsFileFuzz, CountListsOfDifferentLengthsAreRefused) {
  TempFolder folder;
  const std::string sheet = "I=0\nX=2440000\nY=1220000\nL=BOARD\nN=1\n";
  const std::string path = folder.Write(
      "short.lyt", "[LYTSC]\nCN=2\n[LYTSC0PKPN]\n" + sheet +
                       "[LYTSC0PKNPNS]\nCN=1\n[LYTSC0PKNPNS0PN]\nI=0\nX=720000\nY=560000\n"
                       "L=SIDE\nN=1\n[LYTSC1PKPN]\n" +
                       sheet);
  TVexlin loaded;
  EXPECT_NE(LoadLayoutsFile(path, loaded).Error, "");
  EXPECT_TRUE(loaded.BestResult.Empty());
}

TEST(ReaderFuzz, TextImport) {
  TempFolder folder;
  const std::vector<std::string> seeds = {
      "BOARD\t2440\t1220\t4\t25\nHALF\t1220\t1220\t2\t0\n",
      "SIDE\t720\t560\tN\t6\tR\nSHELF\t600.5\t400\t\t5\tR\nDISC\t300\t300\tR\t2\tC\n",
      "OFF\t500\t300\t1\t\n\n\nOFF2\t400\t200\t2\textra\tfields\there\n"};
  const TGridKind kinds[] = {TGridKind::Sheets, TGridKind::Parts, TGridKind::Offcuts};
  Fuzz(folder, "in.txt", 8, seeds, {"\t", "\t\t\t\t\t\t\t", "R", "N", "C"},
       [&](const std::string& path, size_t which) {
         const TGridKind kind = kinds[which];
         TGrid grid(GridDataRows(kind));
         EXPECT_EQ(ReadTxtFile(path, kind, grid), "");
         EXPECT_GE(grid.size(), GridDataRows(kind));
       });
}

}  // namespace
}  // namespace vexlin
