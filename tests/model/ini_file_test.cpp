#include "model/ini_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <locale>
#include <stdexcept>
#include <string>
#include <vector>

namespace vexlin {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// Each test works in a folder of its own, so it can also check what is left behind.
class IniFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::path(::testing::TempDir()) /
           ("vexlin_ini_" + std::string(test->name()) + "_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
  void WriteBytes(const std::string& name, const std::string& bytes) const {
    std::ofstream(PathOf(name), std::ios::binary) << bytes;
  }
  std::string ReadBytes(const std::string& name) const {
    std::ifstream in(PathOf(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  TIniFile Load(const std::string& bytes) const {
    WriteBytes("load.ini", bytes);
    return TIniFile(PathOf("load.ini"));
  }
  Names Listing() const {
    Names names;
    for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename());
    return names;
  }

  fs::path dir_;
};

class IniFileReadTest : public IniFileTest {};
class IniFileWriteTest : public IniFileTest {};
class IniFileSaveTest : public IniFileTest {};

TIniFile InMemory() {
  return TIniFile((fs::path(::testing::TempDir()) / "vexlin-none/x.ini").string());
}

TEST_F(IniFileReadTest, LegacyAndModernLineEndsAndEncodings) {
  EXPECT_EQ(Load("[S]\r\nL=Caf\xE9\r\n").ReadString("S", "L", ""), "Caf\u00E9");
  EXPECT_EQ(Load("\xEF\xBB\xBF[S]\nL=\u00D812\n").ReadString("S", "L", ""), "\u00D812");
  const TIniFile lone = Load("[S]\rA=1\rB=2");
  EXPECT_EQ(lone.ReadSectionKeys("S"), (Names{"A", "B"}));
  EXPECT_EQ(lone.ReadString("S", "B", ""), "2");
  EXPECT_TRUE(TIniFile(PathOf("missing.ini")).ReadSections().empty());
}

TEST_F(IniFileReadTest, LineSyntax) {
  const TIniFile ini = Load(
      "Orphan=1\r\n  ; note\r\n[ Main ]\r\n\t Key \t=  some value  \r\n;Hidden=1\r\n"
      "no equals sign\r\n[Broken\r\nQuoted=\"a b\"\r\nPair=x=y\r\nEmpty=\r\n");
  EXPECT_EQ(ini.ReadSections(), Names{"Main"});
  EXPECT_EQ(ini.ReadSectionKeys("Main"), (Names{"Key", "Quoted", "Pair", "Empty"}));
  EXPECT_EQ(ini.ReadString("Main", "Key", ""), "some value");
  EXPECT_EQ(ini.ReadString("Main", "Quoted", ""), "\"a b\"");
  EXPECT_EQ(ini.ReadString("Main", "Pair", ""), "x=y");
  EXPECT_EQ(ini.ReadString("Main", "Empty", "default"), "");
}

// A section name followed by a comment used to end no section at all, so the keys below it
// merged into the section above and that row vanished.
TEST_F(IniFileReadTest, SectionCommentsAreReadAndLinesNotTakenAreListedByNumber) {
  const TIniFile ini = Load(
      "Orphan=1\r\n; note\r\n[PART1]\r\nLABEL=a\r\n\r\n[PART2] ; spare\r\nLABEL=b\r\n"
      "label=again\r\nno equals sign\r\n[Broken\rQTY=2\n");
  EXPECT_EQ(ini.ReadSections(), (Names{"PART1", "PART2"}));
  EXPECT_EQ(ini.ReadString("PART2", "LABEL", ""), "b");
  EXPECT_EQ(ini.ReadString("PART2", "QTY", ""), "2");
  const std::vector<TIniLine> expected = {
      {1, "Orphan=1"}, {8, "label=again"}, {9, "no equals sign"}, {10, "[Broken"}};
  EXPECT_EQ(ini.UnreadLines(), expected);
  EXPECT_TRUE(Load("[A]\nX=1\n").UnreadLines().empty());
}

// A device never ends, so reading it would fill the memory.
TEST_F(IniFileReadTest, OnlyRegularFilesAreRead) {
  EXPECT_EQ(TIniFile("/dev/zero").SectionCount(), 0u);
  EXPECT_EQ(TIniFile(dir_.string()).SectionCount(), 0u);
}

TEST_F(IniFileReadTest, NamesIgnoreAsciiCaseFirstKeyWinsSectionsMerge) {
  TIniFile ini = Load("[Tools]\r\nSaw=1\r\nSAW=2\r\n[Other]\r\nX=1\r\n[TOOLS]\r\nBlade=3\r\n");
  EXPECT_EQ(ini.ReadSections(), (Names{"Tools", "Other"}));
  EXPECT_EQ(ini.ReadSectionKeys("tools"), (Names{"Saw", "Blade"}));
  EXPECT_EQ(ini.ReadString("tOOLS", "saw", ""), "1");
  EXPECT_TRUE(ini.ValueExists("TOOLS", "BLADE"));
  ini.WriteString("Stand\u00E4r", "k", "1");
  EXPECT_TRUE(ini.SectionExists("STAND\u00E4R"));
  EXPECT_FALSE(ini.SectionExists("STAND\u00C4R"));
}

TEST_F(IniFileWriteTest, OrderIsKeptAndOverwritesStayInPlace) {
  TIniFile ini(PathOf("order.ini"));
  ini.WriteString("B", "z", "1");
  ini.WriteString("A", "y", "2");
  ini.WriteString("B", "a", "3");
  ini.WriteString("b", "Z", "4");
  EXPECT_EQ(ini.ReadSections(), (Names{"B", "A"}));
  EXPECT_EQ(ini.Save(), "");
  const std::string expected = "[B]\r\nz=4\r\na=3\r\n\r\n[A]\r\ny=2\r\n";
  EXPECT_EQ(ReadBytes("order.ini"), expected);
  EXPECT_EQ(TIniFile(PathOf("order.ini")).Save(), "");
  EXPECT_EQ(ReadBytes("order.ini"), expected);
}

TEST_F(IniFileWriteTest, ValuesSurviveSaveAndReload) {
  const std::string path = PathOf("values.ini");
  const double reals[] = {0.1, 1e-7, -2.5, 1.0 / 3, 1.7976931348623157e308, 5e-324, 1e22};
  const int32_t integers[] = {0, -42, std::numeric_limits<int32_t>::min(),
                              std::numeric_limits<int32_t>::max()};
  {
    TIniFile ini(path);
    ini.WriteString("Text", "Name", "\u00D812 St\u00E4nder");
    ini.WriteString("Text", "Odd", " ;x=[y] ");
    ini.WriteBool("Flags", "On", true);
    ini.WriteBool("Flags", "Off", false);
    for (int i = 0; i < 7; ++i) ini.WriteFloat("Reals", std::to_string(i), reals[i]);
    for (int i = 0; i < 4; ++i) ini.WriteInteger("Integers", std::to_string(i), integers[i]);
    ASSERT_EQ(ini.Save(), "");
  }
  const TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("Text", "Name", ""), "\u00D812 St\u00E4nder");
  EXPECT_EQ(ini.ReadString("Text", "Odd", ""), ";x=[y]");
  EXPECT_TRUE(ini.ReadBool("Flags", "On", false));
  EXPECT_FALSE(ini.ReadBool("Flags", "Off", true));
  for (int i = 0; i < 7; ++i) EXPECT_EQ(ini.ReadFloat("Reals", std::to_string(i), 9), reals[i]);
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(ini.ReadInteger("Integers", std::to_string(i), 9), integers[i]);
}

TEST_F(IniFileWriteTest, LineBreaksCannotCorruptTheFile) {
  const std::string path = PathOf("clean.ini");
  {
    TIniFile ini(path);
    ini.WriteString("Bad]\r\nName", "Multi\nKey=", "line1\r\nline2");
    ini.WriteString("Next", "K", "v");
    ASSERT_EQ(ini.Save(), "");
  }
  const TIniFile ini(path);
  EXPECT_EQ(ini.ReadSections(), (Names{"Bad   Name", "Next"}));
  EXPECT_EQ(ini.ReadSectionKeys("Bad   Name"), Names{"Multi Key"});
  EXPECT_EQ(ini.ReadString("Bad   Name", "Multi Key", ""), "line1  line2");
  EXPECT_EQ(ini.ReadString("Next", "K", ""), "v");
}

TEST_F(IniFileWriteTest, EraseAndDeleteSurviveReload) {
  TIniFile ini = Load("[A]\r\nx=1\r\ny=2\r\n[B]\r\nk=1\r\n[C]\r\n");
  ini.EraseSection("b");
  ini.EraseSection("missing");
  ini.DeleteKey("a", "X");
  ini.DeleteKey("missing", "x");
  ini.WriteString("B", "n", "1");
  ASSERT_EQ(ini.Save(), "");
  const TIniFile reread(ini.FileName());
  EXPECT_EQ(reread.ReadSections(), (Names{"A", "C", "B"}));
  EXPECT_EQ(reread.ReadSectionKeys("A"), Names{"y"});
  EXPECT_EQ(reread.ReadSectionKeys("B"), Names{"n"});
  EXPECT_FALSE(reread.ValueExists("A", "x"));
}

// Saved results are written by erasing every numbered section and writing fresh ones.
TEST(IniFileLargeTest, EraseAllThenRewriteStaysConsistent) {
  TIniFile ini = InMemory();
  constexpr int kCount = 20000;
  for (int i = 0; i < kCount; ++i) ini.WriteInteger("Part" + std::to_string(i), "Len", i);
  for (const std::string& name : ini.ReadSections()) ini.EraseSection(name);
  EXPECT_TRUE(ini.ReadSections().empty());
  EXPECT_FALSE(ini.ValueExists("Part7", "Len"));
  for (int i = 0; i < kCount; ++i) ini.WriteInteger("part" + std::to_string(i), "len", -i);
  const Names sections = ini.ReadSections();
  ASSERT_EQ(sections.size(), size_t{kCount});
  EXPECT_EQ(sections.front(), "part0");
  EXPECT_EQ(ini.ReadSectionKeys("PART5"), Names{"len"});
  EXPECT_EQ(ini.ReadInteger("PART19999", "LEN", 0), -19999);
}

TEST(IniFileNumbersTest, IntegersAsWindowsReadsThem) {
  constexpr int32_t kDefault = -99;
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  const std::pair<const char*, int32_t> accepted[] = {
      {"12", 12},  {" -7 ", -7},  {"+5", 5},         {"0x1F", 31},         {"0X1f", 31},
      {"$1f", 31}, {"-$10", -16}, {"$FFFFFFFF", -1}, {"2147483647", kMax}, {"-2147483648", kMin}};
  TIniFile ini = InMemory();
  for (const auto& [text, expected] : accepted) {
    ini.WriteString("N", "V", text);
    EXPECT_EQ(ini.ReadInteger("N", "V", kDefault), expected) << text;
  }
  for (const char* text : {"12abc", "99999999999", "2147483648", "$100000000", "", "0x", "-", "--1",
                           "1 2", "1.0", "true"}) {
    ini.WriteString("N", "V", text);
    EXPECT_EQ(ini.ReadInteger("N", "V", kDefault), kDefault) << text;
  }
  EXPECT_EQ(ini.ReadInteger("N", "Missing", kDefault), kDefault);
}

TEST(IniFileNumbersTest, BoolsAreIntegers) {
  TIniFile ini = InMemory();
  ini.WriteString("B", "Word", "true");
  ini.WriteString("B", "Two", "2");
  ini.WriteString("B", "Zero", "0");
  EXPECT_TRUE(ini.ReadBool("B", "Word", true));
  EXPECT_FALSE(ini.ReadBool("B", "Word", false));
  EXPECT_TRUE(ini.ReadBool("B", "Two", false));
  EXPECT_FALSE(ini.ReadBool("B", "Zero", true));
  ini.WriteBool("B", "Flag", true);
  EXPECT_EQ(ini.ReadString("B", "Flag", ""), "1");
}

TEST(IniFileNumbersTest, RealsUsePointAndShortestText) {
  constexpr double kDefault = -99;
  const std::pair<const char*, double> accepted[] = {
      {"1.5", 1.5}, {" -2.25e3 ", -2250}, {"+.5", 0.5}, {"7", 7}};
  TIniFile ini = InMemory();
  for (const auto& [text, expected] : accepted) {
    ini.WriteString("F", "V", text);
    EXPECT_EQ(ini.ReadFloat("F", "V", kDefault), expected) << text;
  }
  for (const char* text : {"1,5", "1.5x", "inf", "nan", "", "0x10", "1e999", "+-1"}) {
    ini.WriteString("F", "V", text);
    EXPECT_EQ(ini.ReadFloat("F", "V", kDefault), kDefault) << text;
  }
  const std::pair<double, const char*> texts[] = {{1.0, "1"}, {0.5, "0.5"}, {1e-7, "1e-07"}};
  for (const auto& [value, text] : texts) {
    ini.WriteFloat("F", "W", value);
    EXPECT_EQ(ini.ReadString("F", "W", ""), text);
  }
}

TEST(IniFileNumbersTest, RealsIgnoreGlobalLocale) {
  std::locale german;
  try {
    german = std::locale("de_DE.UTF-8");
  } catch (const std::runtime_error&) {
    GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
  }
  const std::locale previous = std::locale::global(german);
  TIniFile ini = InMemory();
  ini.WriteString("F", "V", "1.5");
  ini.WriteFloat("F", "W", 2.25);
  const double read = ini.ReadFloat("F", "V", 0);
  const std::string written = ini.ReadString("F", "W", "");
  std::locale::global(previous);
  EXPECT_EQ(read, 1.5);
  EXPECT_EQ(written, "2.25");
}

TEST_F(IniFileSaveTest, RewritesLegacyFileAsUtf8WithCrLf) {
  TIniFile ini = Load("[S]\nL=Caf\xE9\n[T]\n");
  ASSERT_EQ(ini.Save(), "");
  EXPECT_EQ(ReadBytes("load.ini"), "[S]\r\nL=Caf\u00E9\r\n\r\n[T]\r\n");
}

TEST_F(IniFileSaveTest, MissingFolderIsReportedAndNotCreated) {
  TIniFile ini((dir_ / "nowhere" / "cuts.ini").string());
  ini.WriteString("S", "K", "V");
  const std::string error = ini.Save();
  EXPECT_NE(error.find(ini.FileName()), std::string::npos) << error;
  EXPECT_TRUE(Listing().empty());
}

// A file size limit fails the write the way a full disk does, even for root.
TEST_F(IniFileSaveTest, FailedWriteKeepsOldFileAndLeavesNoTemporary) {
  const std::string old = "[Old]\r\nA=1\r\n";
  TIniFile ini = Load(old);
  ini.WriteString("Big", "Data", std::string(256 * 1024, 'x'));
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 4096;
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::string error = ini.Save();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_NE(error.find(ini.FileName()), std::string::npos) << error;
  EXPECT_EQ(ReadBytes("load.ini"), old);
  EXPECT_EQ(Listing(), Names{"load.ini"});
}

TEST_F(IniFileSaveTest, FailedRenameLeavesNoTemporary) {
  fs::create_directory(dir_ / "cuts.ini");
  WriteBytes("cuts.ini/keep.txt", "keep");
  TIniFile ini(PathOf("cuts.ini"));
  ini.WriteString("S", "K", "V");
  EXPECT_NE(ini.Save().find(ini.FileName()), std::string::npos);
  EXPECT_EQ(ReadBytes("cuts.ini/keep.txt"), "keep");
  EXPECT_EQ(Listing(), Names{"cuts.ini"});
}

}  // namespace
}  // namespace vexlin
