// The private-profile INI functions as the module's options, keyboard combos,
// volumes and the Aircraft.cfg flap rewrite use them: lookups, defaults,
// truncation, in-place edits that keep every other byte, all-or-nothing saves
// and the parsed-file cache.
#include "platform/ini.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <grp.h>
#include <linux/fs.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/paths.h"
#include "tests/cockpit.h"

namespace {

using platform::GetPrivateProfileString;
using platform::ReadIniString;
using platform::WritePrivateProfileString;

constexpr uid_t kNobody = 65534;

// Each test works in a fresh folder of its own, which is the working folder,
// since the module names its files relative to the simulator folder.
class IniFile : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/halcyon-ini-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
    ASSERT_NE(getcwd(previous_, sizeof previous_), nullptr);
    ASSERT_EQ(chdir(folder_.c_str()), 0);
    platform::ClearIniCache();
    platform::FailNextIniSaves(0);
  }

  void TearDown() override {
    platform::ClearIniCache();
    ASSERT_EQ(chdir(previous_), 0);
    std::system(("rm -rf '" + folder_ + "'").c_str());
  }

  static void Put(const std::string& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
  }

  static std::string Bytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  static std::vector<std::string> FolderEntries(const std::string& folder = ".") {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    while (dirent* entry = readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    closedir(dir);
    return names;
  }

  static std::wstring Read(const wchar_t* section, const wchar_t* key, const wchar_t* fallback = L"default",
                           const wchar_t* path = L".\\test.ini") {
    return ReadIniString(section, key, fallback, 256, path);
  }

  // One write in a call of its own: saved as the call returns.
  static bool Write(const wchar_t* section, const wchar_t* key, const wchar_t* value,
                    const wchar_t* path = L".\\test.ini") {
    const bool written = WritePrivateProfileString(section, key, value, path);
    return platform::SaveIniFiles() && written;
  }

  // Runs `body` in a child process, as the ordinary user "nobody" when
  // `asNobody`, and gives its exit status (2: that user could not be taken).
  static int InChild(bool asNobody, const std::function<int()>& body) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) return -1;
    if (child == 0) {
      if (asNobody && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(2);
      _exit(body());
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
  }

  // A child process (as "nobody" when `asNobody`) that runs its steps one at
  // a time, each when the test says so, and gives back each step's result (0:
  // as expected), so that the writes and saves of two processes come in a
  // chosen order. After its last step it waits to be told to exit, then
  // exits as a program does, which saves what waits and removes its spares.
  class Process {
   public:
    Process(bool asNobody, std::vector<std::function<int()>> steps) {
      int go[2];
      int done[2];
      if (pipe(go) != 0 || pipe(done) != 0) return;
      signal(SIGPIPE, SIG_IGN);  // a child that is gone is seen in its results
      std::fflush(nullptr);
      pid_ = fork();
      if (pid_ == 0) {
        close(go[1]);
        close(done[0]);
        if (asNobody && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(2);
        for (const std::function<int()>& step : steps) {
          char result = 0;
          if (read(go[0], &result, 1) != 1) _exit(3);
          result = static_cast<char>(step());
          if (write(done[1], &result, 1) != 1) _exit(3);
        }
        char end = 0;
        std::exit(read(go[0], &end, 1) >= 0 ? 0 : 3);
      }
      close(go[0]);
      close(done[1]);
      go_ = go[1];
      done_ = done[0];
    }
    ~Process() { exit(); }
    pid_t pid() const { return pid_; }
    // Starts the next step; `result` waits for it.
    void start() const { EXPECT_EQ(write(go_, "", 1), 1); }
    int result() const {
      char result = 0;
      return read(done_, &result, 1) == 1 ? result : -1;
    }
    int step() const {
      start();
      return result();
    }
    // Waits for the exit; its status, -1 when it did not exit.
    int exit() {
      if (pid_ <= 0) return -1;
      (void)!write(go_, "", 1);
      close(go_);
      close(done_);
      int status = 0;
      const bool exited = waitpid(std::exchange(pid_, -1), &status, 0) > 0 && WIFEXITED(status);
      return exited ? WEXITSTATUS(status) : -1;
    }

   private:
    pid_t pid_ = -1;
    int go_ = -1;
    int done_ = -1;
  };

  static std::string SpareOf(const std::string& file, pid_t process) {
    return file + "." + std::to_string(process) + ".saving";
  }

  static ino_t Inode(const std::string& file) {
    struct stat info {};
    return stat(file.c_str(), &info) == 0 ? info.st_ino : 0;
  }

  static void ExpectNoSpareIn(const std::string& folder) {
    for (const std::string& name : FolderEntries(folder)) EXPECT_EQ(name.find(".saving"), std::string::npos) << name;
  }

  std::string folder_;
  char previous_[4096] = {};
};

TEST_F(IniFile, MissingFileSectionOrKeyGiveTheDefaultButAnEmptyKeyGivesEmptyText) {
  EXPECT_EQ(Read(L"OPTIONS", L"spacebar", L"1", L".\\nofile.ini"), L"1");
  EXPECT_EQ(Read(L"OPTIONS", L"spacebar", nullptr, L".\\nofile.ini"), L"");

  Put("test.ini", "[OPTIONS]\r\nsound=\r\nfd_mod = 3\r\n");
  EXPECT_EQ(Read(L"OPTIONS", L"sound"), L"");
  EXPECT_EQ(Read(L"OPTIONS", L"hotspots"), L"default");
  EXPECT_EQ(Read(L"MISC", L"sound"), L"default");
  EXPECT_EQ(Read(L"OPTIONS", L"fd_mod"), L"3");

  // The raw call: characters copied, terminated, default when absent.
  wchar_t buffer[20];
  EXPECT_EQ(GetPrivateProfileString(L"OPTIONS", L"sound", L"0", buffer, 20, L"test.ini"), 0u);
  EXPECT_STREQ(buffer, L"");
  EXPECT_EQ(GetPrivateProfileString(L"OPTIONS", L"drop_menu", L"1", buffer, 20, L"test.ini"), 1u);
  EXPECT_STREQ(buffer, L"1");
}

TEST_F(IniFile, ValuesAreCutToTheBufferAndAlwaysTerminated) {
  Put("test.ini", "[FAST CLICK]\nmultiplier = 123456789\n");
  wchar_t buffer[8] = {L'x', L'x', L'x', L'x', L'x', L'x', L'x', L'x'};
  EXPECT_EQ(GetPrivateProfileString(L"FAST CLICK", L"multiplier", L"1", buffer, 5, L"test.ini"), 4u);
  EXPECT_STREQ(buffer, L"1234");
  EXPECT_EQ(buffer[5], L'x');

  // The default is cut the same way; a buffer of one holds only the terminator.
  EXPECT_EQ(GetPrivateProfileString(L"FAST CLICK", L"none", L"abcdefgh", buffer, 5, L"test.ini"), 4u);
  EXPECT_STREQ(buffer, L"abcd");
  EXPECT_EQ(GetPrivateProfileString(L"FAST CLICK", L"multiplier", L"1", buffer, 1, L"test.ini"), 0u);
  EXPECT_STREQ(buffer, L"");

  // No room at all: nothing is touched.
  buffer[0] = L'z';
  EXPECT_EQ(GetPrivateProfileString(L"FAST CLICK", L"multiplier", L"1", buffer, 0, L"test.ini"), 0u);
  EXPECT_EQ(buffer[0], L'z');

  EXPECT_EQ(ReadIniString(L"FAST CLICK", L"multiplier", L"1", 5, L"test.ini"), L"1234");
  EXPECT_EQ(ReadIniString(L"FAST CLICK", L"multiplier", L"1", 0, L"test.ini"), L"");
}

TEST_F(IniFile, NamesMatchWithoutCaseTrimmedAndTheFirstMatchWins) {
  Put("test.ini",
      "; keyboard combinations\n"
      "  [ Nav ]  \n"
      "\tAP Disconnect  =   CTRL+Z   \n"
      "ap disconnect=second copy\n"
      "[MISC]\n"
      "lights=L\n"
      "[NAV]\n"
      "ap disconnect=third copy\n"
      "only_here = later section\n");
  EXPECT_EQ(Read(L"NAV", L"AP DISCONNECT"), L"CTRL+Z");
  EXPECT_EQ(Read(L"nav", L"ap disconnect"), L"CTRL+Z");
  EXPECT_EQ(Read(L"misc", L"LIGHTS"), L"L");
  // A key found only in the second section of the same name is still found.
  EXPECT_EQ(Read(L"Nav", L"only_here"), L"later section");
  // Comments are not keys.
  EXPECT_EQ(Read(L"NAV", L"; keyboard combinations"), L"default");
  // The whole alphabet folds, both ends included, and the accented capitals
  // of Latin-1, but the multiplication sign is no capital of the division sign.
  Put("test.ini", "[Zulu]\nAz=1\n\xC3\x89tat=2\nx\xC3\x97y=3\n");
  EXPECT_EQ(Read(L"zULU", L"aZ"), L"1");
  EXPECT_EQ(Read(L"zulu", L"\u00E9TAT"), L"2");
  EXPECT_EQ(Read(L"zulu", L"x\u00D7y"), L"3");
  EXPECT_EQ(Read(L"zulu", L"x\u00F7y"), L"default");
}

TEST_F(IniFile, FoldersAndFileNamesMatchWithoutCase) {
  ASSERT_EQ(mkdir("SimObjects", 0777), 0);
  ASSERT_EQ(mkdir("SimObjects/Airplanes", 0777), 0);
  Put("SimObjects/Airplanes/HalcyonPro.ini", "[OPTIONS]\nsound=1\n");
  const wchar_t* path = L".\\simobjects\\AIRPLANES\\halcyonpro.INI";
  EXPECT_EQ(Read(L"OPTIONS", L"sound", L"0", path), L"1");
  EXPECT_TRUE(Write(L"OPTIONS", L"sound", L"0", path));
  EXPECT_EQ(Bytes("SimObjects/Airplanes/HalcyonPro.ini"), "[OPTIONS]\nsound=0\n");

  // Renamed behind our back: the path is mapped again.
  ASSERT_EQ(rename("SimObjects/Airplanes/HalcyonPro.ini", "SimObjects/Airplanes/HALCYONPRO.ini"), 0);
  EXPECT_EQ(Read(L"OPTIONS", L"sound", L"missing", path), L"0");
  EXPECT_TRUE(Write(L"OPTIONS", L"sound", L"1", path));
  EXPECT_EQ(Bytes("SimObjects/Airplanes/HALCYONPRO.ini"), "[OPTIONS]\nsound=1\n");
}

TEST_F(IniFile, WritesReplaceInPlaceAppendToTheFirstSectionAndAddSectionsAtTheEnd) {
  Put("test.ini",
      "[NAV]\r\n"
      "nav1 = CTRL+1 \r\n"
      "Nav1=duplicate\r\n"
      "\r\n"
      "; misc keys\r\n"
      "[MISC]\r\n"
      "lights=L\r\n"
      "[nav]\r\n"
      "nav3=CTRL+3\r\n");
  EXPECT_TRUE(Write(L"nav", L"NAV1", L"SHIFT+1"));  // first match, key spelling kept
  EXPECT_TRUE(Write(L"NAV", L"nav2", L"CTRL+2"));   // joins the first NAV section
  EXPECT_TRUE(Write(L"NAV", L"nav3", L"SHIFT+3"));  // exists only in the later one
  EXPECT_TRUE(Write(L"VOLUMES", L"volume FO", L"-500"));
  EXPECT_EQ(Bytes("test.ini"),
            "[NAV]\r\n"
            "nav1 = SHIFT+1\r\n"
            "Nav1=duplicate\r\n"
            "nav2=CTRL+2\r\n"
            "\r\n"
            "; misc keys\r\n"
            "[MISC]\r\n"
            "lights=L\r\n"
            "[nav]\r\n"
            "nav3=SHIFT+3\r\n"
            "[VOLUMES]\r\n"
            "volume FO=-500\r\n");
  EXPECT_EQ(Read(L"NAV", L"nav2"), L"CTRL+2");
  EXPECT_EQ(Read(L"volumes", L"VOLUME FO"), L"-500");
}

TEST_F(IniFile, NewLinesFollowTheFileAndAFileWithoutFinalLineBreakGetsOne) {
  Put("lf.ini", "[A]\nx=1");
  EXPECT_TRUE(Write(L"A", L"y", L"2", L"lf.ini"));
  EXPECT_TRUE(Write(L"B", L"z", L"3", L"lf.ini"));
  EXPECT_EQ(Bytes("lf.ini"), "[A]\nx=1\ny=2\n[B]\nz=3\n");

  Put("header.ini", "[A]");
  EXPECT_TRUE(Write(L"A", L"x", L"1", L"header.ini"));
  EXPECT_EQ(Bytes("header.ini"), "[A]\r\nx=1\r\n");

  Put("comment.ini", "[A]\nx=1\n; last words");
  EXPECT_TRUE(Write(L"B", L"y", L"2", L"comment.ini"));
  EXPECT_EQ(Bytes("comment.ini"), "[A]\nx=1\n; last words\n[B]\ny=2\n");
}

TEST_F(IniFile, AMissingFileIsCreatedButNotItsFolder) {
  EXPECT_TRUE(Write(L"Memleak", L"count", L"0", L".\\Gauges.ini"));
  EXPECT_EQ(Bytes("Gauges.ini"), "[Memleak]\r\ncount=0\r\n");

  EXPECT_FALSE(Write(L"Memleak", L"count", L"0", L".\\Gauges\\HalcyonMemleak.ini"));
  struct stat info {};
  EXPECT_NE(stat("Gauges", &info), 0);
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Gauges.ini"});
}

TEST_F(IniFile, NullValueRemovesAKeyAndNullKeyRemovesTheSection) {
  Put("test.ini", "[A]\nx=1\ny=2\n[B]\nz=3\n[a]\nw=4\n");
  EXPECT_TRUE(Write(L"A", L"x", nullptr));
  EXPECT_EQ(Read(L"A", L"y"), L"2");
  EXPECT_TRUE(Write(L"A", L"gone", nullptr));  // nothing to remove is still success
  EXPECT_TRUE(Write(L"a", nullptr, nullptr));
  EXPECT_EQ(Bytes("test.ini"), "[B]\nz=3\n");
  // A section's last key gone, a new key goes where it stood, above the
  // comment that closes the section.
  Put("last.ini", "[A]\nx=1\n; next\n[B]\n");
  EXPECT_TRUE(Write(L"A", L"x", nullptr, L"last.ini"));
  EXPECT_TRUE(Write(L"A", L"y", L"2", L"last.ini"));
  EXPECT_EQ(Bytes("last.ini"), "[A]\ny=2\n; next\n[B]\n");
  // No section: nothing to do, which succeeds, unless a key or value is given.
  EXPECT_TRUE(Write(nullptr, nullptr, nullptr));
  EXPECT_FALSE(Write(nullptr, L"z", nullptr));
  EXPECT_FALSE(Write(nullptr, nullptr, L"3"));
  EXPECT_EQ(Bytes("test.ini"), "[B]\nz=3\n");
  EXPECT_EQ(Read(L"A", L"w"), L"default");
}

TEST_F(IniFile, TextThatWouldBreakTheLayoutIsRefused) {
  Put("test.ini", "[A]\nx=1\n");
  EXPECT_FALSE(Write(L"A", L"x", L"two\nlines"));
  EXPECT_FALSE(Write(L"A", L"x=y", L"1"));
  EXPECT_FALSE(Write(L"A]", L"x", L"1"));
  EXPECT_FALSE(Write(L"A", L"  ", L"1"));
  EXPECT_EQ(Bytes("test.ini"), "[A]\nx=1\n");
}

TEST_F(IniFile, NonAsciiTextIsReadAsLatin1OrUtf8AndWrittenAsUtf8) {
  Put("test.ini", "[A]\nlatin=Caf\xE9\nutf8=Caf\xC3\xA9\n");
  EXPECT_EQ(Read(L"A", L"latin"), L"Caf\u00E9");
  EXPECT_EQ(Read(L"A", L"utf8"), L"Caf\u00E9");
  EXPECT_TRUE(Write(L"A", L"new", L"\u00C5land"));
  EXPECT_EQ(Bytes("test.ini"), "[A]\nlatin=Caf\xE9\nutf8=Caf\xC3\xA9\nnew=\xC3\x85land\n");
  EXPECT_EQ(Read(L"A", L"NEW"), L"\u00C5land");
}

// The shut-down rewrite of the flap values with fd_mod = 5: only the eleven
// values change; comments, CRLF, Latin-1 bytes, duplicates and the layout of
// each rewritten line stay. A value's trailing remark is part of the value, as
// the simulator's own writer treats it, so it goes with the old value.
TEST_F(IniFile, AircraftCfgFlapRewriteKeepsEveryOtherByte) {
  ASSERT_EQ(mkdir("SimObjects", 0777), 0);
  ASSERT_EQ(mkdir("SimObjects/Airplanes", 0777), 0);
  ASSERT_EQ(mkdir("SimObjects/Airplanes/QZ Halcyon Pro", 0777), 0);
  const std::string file = "SimObjects/Airplanes/QZ Halcyon Pro/aircraft.cfg";
  Put(file,
      "; Halcyon Pro MD-80 \xA9 configuration\r\n"
      "[fltsim.0]\r\n"
      "title=QZ Halcyon Pro Caf\xE9 \xC5land\r\n"
      "ui_manufacturer=\"Douglas\"\r\n"
      "\r\n"
      "[flaps.0]\r\n"
      "type= 1\r\n"
      "span-outboard= 0.8\r\n"
      "extending-time = 60\r\n"
      "pitch_scalar = 0.6\r\n"
      "damaging-speed = 250\r\n"
      "\r\n"
      "//  Slats\r\n"
      "[flaps.1]\r\n"
      "type = 2\r\n"
      "extending-time = 60\r\n"
      "\r\n"
      "; Trailing-edge flaps, degrees \xB0\r\n"
      "[FLAPS.2]\r\n"
      "extending-time=60\r\n"
      "flaps-position.0 = 0, 0\r\n"
      "flaps-position.1 = 0.497811369\r\n"
      "flaps-position.2 = 0.655552363\r\n"
      "flaps-position.3 = 0.731904688\r\n"
      "flaps-position.4 = 0.903425526\r\n"
      "flaps-position.5 = 1.0\r\n"
      "lift_scalar = 1.0   // tuned\r\n"
      "pitch_scalar = 1.0\r\n"
      "[contact_points]\r\n"
      "point.0 = 1, 43.5, 0, -8.2\r\n"
      "point.0 = duplicate kept\r\n");

  struct FlapValue {
    const wchar_t* section;
    const wchar_t* key;
    double base;
    double delta;
  };
  constexpr FlapValue kFlapValues[] = {
      {L"flaps.0", L"extending-time", 60.0, 30.0},
      {L"flaps.0", L"pitch_scalar", 0.6, 0.7},
      {L"flaps.1", L"extending-time", 60.0, 30.0},
      {L"flaps.1", L"pitch_scalar", 0.6, 0.6},
      {L"flaps.2", L"extending-time", 60.0, 30.0},
      {L"flaps.2", L"flaps-position.1", 0.497811369, 0.247811369},
      {L"flaps.2", L"flaps-position.2", 0.655552363, 0.205552363},
      {L"flaps.2", L"flaps-position.3", 0.731904688, 0.081904688},
      {L"flaps.2", L"flaps-position.4", 0.903425526, 0.083425526},
      {L"flaps.2", L"flaps-position.5", 1.0, 0.12},
      {L"flaps.2", L"lift_scalar", 1.0, 0.1},
  };
  const wchar_t* path = L".\\SimObjects\\Airplanes\\QZ Halcyon Pro\\Aircraft.cfg";
  const double fraction = 5 / 10.0;
  for (const FlapValue& flap : kFlapValues) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%f", flap.base - fraction * flap.delta);
    EXPECT_TRUE(WritePrivateProfileString(flap.section, flap.key, text, path)) << flap.key;
  }
  EXPECT_TRUE(platform::SaveIniFiles());

  EXPECT_EQ(Bytes(file),
            "; Halcyon Pro MD-80 \xA9 configuration\r\n"
            "[fltsim.0]\r\n"
            "title=QZ Halcyon Pro Caf\xE9 \xC5land\r\n"
            "ui_manufacturer=\"Douglas\"\r\n"
            "\r\n"
            "[flaps.0]\r\n"
            "type= 1\r\n"
            "span-outboard= 0.8\r\n"
            "extending-time = 45.000000\r\n"
            "pitch_scalar = 0.250000\r\n"
            "damaging-speed = 250\r\n"
            "\r\n"
            "//  Slats\r\n"
            "[flaps.1]\r\n"
            "type = 2\r\n"
            "extending-time = 45.000000\r\n"
            "pitch_scalar=0.300000\r\n"
            "\r\n"
            "; Trailing-edge flaps, degrees \xB0\r\n"
            "[FLAPS.2]\r\n"
            "extending-time=45.000000\r\n"
            "flaps-position.0 = 0, 0\r\n"
            "flaps-position.1 = 0.373906\r\n"
            "flaps-position.2 = 0.552776\r\n"
            "flaps-position.3 = 0.690952\r\n"
            "flaps-position.4 = 0.861713\r\n"
            "flaps-position.5 = 0.940000\r\n"
            "lift_scalar = 0.950000\r\n"
            "pitch_scalar = 1.0\r\n"
            "[contact_points]\r\n"
            "point.0 = 1, 43.5, 0, -8.2\r\n"
            "point.0 = duplicate kept\r\n");
  EXPECT_EQ(Read(L"FLTSIM.0", L"title", L"", path), L"QZ Halcyon Pro Caf\u00E9 \u00C5land");
}

TEST_F(IniFile, ASaveThatFailsHalfWayLeavesTheOldFileWholeAndSaysWhy) {
  const std::string original = "[OPTIONS]\r\nspacebar=1\r\nsound=0\r\n";
  Put("test.ini", original);
  EXPECT_EQ(Read(L"OPTIONS", L"sound"), L"0");

  platform::FailNextIniSaves(1);
  EXPECT_FALSE(Write(L"OPTIONS", L"sound", L"1"));
  EXPECT_EQ(Bytes("test.ini"), original);
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{"test.ini"});
  // The failure names the file and the reason; the write is kept, and read.
  EXPECT_EQ(Read(L"OPTIONS", L"sound"), L"1");
  ASSERT_EQ(platform::IniSaveFailures().size(), 1u);
  EXPECT_EQ(platform::IniSaveFailures()[0].file, folder_ + "/test.ini");
  EXPECT_EQ(platform::IniSaveFailures()[0].reason, std::strerror(ENOSPC));

  // The next save makes it, and the failure is no longer news.
  EXPECT_TRUE(platform::SaveIniFiles());
  EXPECT_EQ(Bytes("test.ini"), "[OPTIONS]\r\nspacebar=1\r\nsound=1\r\n");
  EXPECT_TRUE(platform::IniSaveFailures().empty());
  // The spare file that saves go through, this process's own, is removed
  // with the cache.
  EXPECT_EQ(Bytes("test.ini." + std::to_string(getpid()) + ".saving"), original);
  platform::ClearIniCache();
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{"test.ini"});

  // A failed first save of a new file leaves no file at all, until the next.
  platform::FailNextIniSaves(1);
  EXPECT_FALSE(Write(L"A", L"x", L"1", L"new.ini"));
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{"test.ini"});
  EXPECT_TRUE(platform::SaveIniFiles());
  EXPECT_EQ(Bytes("new.ini"), "[A]\r\nx=1\r\n");

  // What the last save cannot make is lost: read no more, and never saved
  // by a later save, while its failure stays named.
  platform::FailNextIniSaves(2);
  EXPECT_FALSE(Write(L"OPTIONS", L"sound", L"2"));
  EXPECT_FALSE(platform::FinishIniSaves());
  EXPECT_EQ(Read(L"OPTIONS", L"sound"), L"1");
  EXPECT_TRUE(Write(L"A", L"x", L"2", L"new.ini"));
  EXPECT_TRUE(platform::FinishIniSaves());
  EXPECT_EQ(Bytes("test.ini"), "[OPTIONS]\r\nspacebar=1\r\nsound=1\r\n");
  ASSERT_EQ(platform::IniSaveFailures().size(), 1u);
  EXPECT_EQ(platform::IniSaveFailures()[0].file, folder_ + "/test.ini");
}

// While saves are held (the host's start), writes wait in the cache, which
// reads see, and no file is touched: not one written in place (with a second
// name), nor a new one made, nor a spare. Kept, they are saved; dropped,
// forgotten.
TEST_F(IniFile, HeldSavesTouchNoFileUntilKeptAndDroppedOnesAreForgotten) {
  Put("test.ini", "[A]\nx=1\n");
  ASSERT_EQ(link("test.ini", "linked.ini"), 0);
  struct stat before {};
  ASSERT_EQ(stat("test.ini", &before), 0);
  platform::HoldIniSaves();
  EXPECT_TRUE(Write(L"A", L"x", L"2"));
  EXPECT_TRUE(Write(L"A", L"y", L"3", L"new.ini"));
  EXPECT_EQ(Read(L"A", L"x"), L"2");
  struct stat after {};
  ASSERT_EQ(stat("test.ini", &after), 0);
  EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
  EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
  std::vector<std::string> entries = FolderEntries();
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (std::vector<std::string>{"linked.ini", "test.ini"}));
  EXPECT_TRUE(platform::KeepHeldIniSaves());
  EXPECT_EQ(Bytes("test.ini"), "[A]\nx=2\n");
  EXPECT_EQ(Bytes("new.ini"), "[A]\r\ny=3\r\n");

  platform::HoldIniSaves();
  EXPECT_TRUE(Write(L"A", L"x", L"4"));
  platform::DropHeldIniSaves();
  EXPECT_EQ(Read(L"A", L"x"), L"2");
  EXPECT_TRUE(platform::SaveIniFiles());
  EXPECT_EQ(Bytes("test.ini"), "[A]\nx=2\n");
}

// The writes of one call go to the cached copy, which reads see at once; the
// save at the end of the call replaces each changed file once.
TEST_F(IniFile, TheWritesOfOneCallAreSavedOncePerFileWhenItReturns) {
  Put("test.ini", "[A]\nx=1\n");
  const uint64_t replacedBefore = platform::GetIniStats().writes;
  const size_t descriptorsBefore = FolderEntries("/proc/self/fd").size();
  for (int i = 0; i < 50; ++i) {
    const std::wstring value = std::to_wstring(i);
    EXPECT_TRUE(WritePrivateProfileString(L"A", L"x", value.c_str(), L"test.ini"));
    EXPECT_TRUE(WritePrivateProfileString(L"B", L"y", value.c_str(), L"other.ini"));
  }
  EXPECT_EQ(Read(L"A", L"x"), L"49");
  EXPECT_EQ(Read(L"B", L"y", L"default", L"other.ini"), L"49");
  EXPECT_EQ(Bytes("test.ini"), "[A]\nx=1\n");
  EXPECT_EQ(platform::GetIniStats().writes, replacedBefore);

  EXPECT_TRUE(platform::SaveIniFiles());
  EXPECT_EQ(platform::GetIniStats().writes, replacedBefore + 2);
  EXPECT_EQ(Bytes("test.ini"), "[A]\nx=49\n");
  EXPECT_EQ(Bytes("other.ini"), "[B]\r\ny=49\r\n");

  // Nothing changed, nothing replaced: a value written again as it stands.
  EXPECT_TRUE(WritePrivateProfileString(L"A", L"x", L"49", L"test.ini"));
  EXPECT_TRUE(platform::SaveIniFiles());
  EXPECT_EQ(platform::GetIniStats().writes, replacedBefore + 2);
  EXPECT_TRUE(platform::IniSaveFailures().empty());
  // Nothing a save readied or wrote through stays open but test.ini's spare
  // (other.ini was made new, from its spare), held while the process lives.
  EXPECT_EQ(FolderEntries("/proc/self/fd").size(), descriptorsBefore + 1);
}

// What the layer holds open is bounded by its cache, however many files a
// process saves: with 1,024 descriptors, 1,100 files each written and saved,
// twice (made, then replaced through a spare), then each written before one
// save, and while saves are held, all succeed, and the spares of files no
// longer cached are gone. (Four folders: each save looks through its
// file's folder. On a memory file system where one can be mounted: the test
// is of what stays open, and a disk's making of files can be slow.)
TEST_F(IniFile, ManyFilesSavedHoldNoMoreOpenThanTheCacheHolds) {
  constexpr int kFiles = 1100;
  constexpr int kFolders = 4;
  auto name = [](int i) { return std::to_string(i % kFolders) + "/" + std::to_string(i) + ".ini"; };
  const int status = InChild(false, [this, &name] {
    if (unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
        mount("tmpfs", folder_.c_str(), "tmpfs", 0, nullptr) == 0 && chdir(folder_.c_str()) != 0) {
      return 2;
    }
    for (int i = 0; i < kFolders; ++i) {
      if (mkdir(std::to_string(i).c_str(), 0777) != 0) return 2;
    }
    const rlimit limit{1024, 1024};
    if (setrlimit(RLIMIT_NOFILE, &limit) != 0) return 2;
    enum class Round { EachSaved, AllSavedAtOnce, AllHeld };
    int value = 0;
    for (const Round round : {Round::EachSaved, Round::EachSaved, Round::AllSavedAtOnce, Round::AllHeld}) {
      if (round == Round::AllHeld) platform::HoldIniSaves();
      ++value;
      for (int i = 0; i < kFiles; ++i) {
        if (!WritePrivateProfileString(L"A", L"x", std::to_wstring(value).c_str(), platform::Widen(name(i)).c_str())) {
          return 3;
        }
        if (round == Round::EachSaved && !platform::SaveIniFiles()) return 4;
      }
      if (!(round == Round::AllHeld ? platform::KeepHeldIniSaves() : platform::SaveIniFiles())) return 4;
      int spares = 0;
      for (int i = 0; i < kFolders; ++i) {
        for (const std::string& entry : FolderEntries(std::to_string(i))) spares += entry.ends_with(".saving") ? 1 : 0;
      }
      if (spares > 16) return 5;
    }
    for (int i = 0; i < kFiles; ++i) {
      if (Bytes(name(i)) != "[A]\r\nx=" + std::to_string(value) + "\r\n") return 6;
    }
    return 0;
  });
  EXPECT_EQ(status, 0) << "3: a write failed, 4: a save failed, 5: spares kept of files no longer cached, 6: a "
                          "file not saved";
}

TEST_F(IniFile, AWriteThatCannotBeSavedFailsAndIsReportedWithTheFileAndWhy) {
  // A folder where the file should be.
  ASSERT_EQ(mkdir("folder.ini", 0777), 0);
  EXPECT_FALSE(Write(L"A", L"x", L"1", L"folder.ini"));
  // A missing folder on the way.
  EXPECT_FALSE(Write(L"A", L"x", L"1", L".\\Gauges\\HalcyonMemleak.ini"));
  const std::vector<platform::IniSaveFailure> failures = platform::IniSaveFailures();
  ASSERT_EQ(failures.size(), 2u);
  EXPECT_EQ(failures[0].file, folder_ + "/folder.ini");
  EXPECT_EQ(failures[0].reason, "a folder is in the way");
  EXPECT_EQ(failures[1].file, folder_ + "/Gauges/HalcyonMemleak.ini");
  EXPECT_NE(failures[1].reason.find(std::strerror(ENOENT)), std::string::npos) << failures[1].reason;

  // The disk fills up (here: the largest file this process may write): the
  // write that no longer fits fails at once, and the save keeps the writes
  // before it whole.
  Put("test.ini", "[A]\nx=1\n");
  rlimit previous {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
  signal(SIGXFSZ, SIG_IGN);
  const rlimit small{16384, previous.rlim_max};
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::wstring big(1000, L'v');
  int written = 0;
  while (written < 100 && WritePrivateProfileString(L"A", (L"k" + std::to_wstring(written)).c_str(), big.c_str(),
                                                     L"test.ini")) {
    ++written;
  }
  EXPECT_TRUE(platform::SaveIniFiles());
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &previous), 0);
  EXPECT_GT(written, 5);
  EXPECT_LT(written, 16);
  EXPECT_EQ(Read(L"A", L"k0"), big.substr(0, 255));
  platform::ClearIniCache();
  EXPECT_EQ(Read(L"A", (L"k" + std::to_wstring(written - 1)).c_str()), big.substr(0, 255));
  EXPECT_EQ(Read(L"A", (L"k" + std::to_wstring(written)).c_str()), L"default");
}

TEST_F(IniFile, ALinkedFileIsWrittenThroughToWhereTheLinkLeads) {
  ASSERT_EQ(mkdir("shared", 0777), 0);
  Put("shared/real.ini", "[A]\nx=1\n");
  ASSERT_EQ(symlink("shared/real.ini", "test.ini"), 0);
  EXPECT_EQ(Read(L"A", L"x"), L"1");
  EXPECT_TRUE(Write(L"A", L"x", L"2"));
  EXPECT_EQ(Bytes("shared/real.ini"), "[A]\nx=2\n");
  struct stat info {};
  ASSERT_EQ(lstat("test.ini", &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  EXPECT_EQ(Read(L"A", L"x"), L"2");

  // A link whose file does not exist yet: the file is made where it leads.
  ASSERT_EQ(symlink("shared/later.ini", "later.ini"), 0);
  EXPECT_TRUE(Write(L"B", L"y", L"3", L"later.ini"));
  EXPECT_EQ(Bytes("shared/later.ini"), "[B]\r\ny=3\r\n");
  ASSERT_EQ(lstat("later.ini", &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
}

// Text as Notepad saves it in "Unicode" (little-endian) or "Unicode big
// endian", with the byte-order mark.
std::string Utf16File(const std::u16string& text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : text) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

TEST_F(IniFile, AUtf16FileIsReadAndWrittenBackInUtf16) {
  auto utf16 = [](const std::u16string& text) { return Utf16File(text, false); };
  Put("test.ini", utf16(u"[OPTIONS]\r\nsound=1\r\ntitle=Caf\u00E9 \u6F22 \U0001F6EB\r\n"));
  EXPECT_EQ(Read(L"OPTIONS", L"sound"), L"1");
  EXPECT_EQ(Read(L"options", L"TITLE"), L"Caf\u00E9 \u6F22 \U0001F6EB");
  EXPECT_TRUE(Write(L"OPTIONS", L"sound", L"0"));
  EXPECT_TRUE(Write(L"VOLUMES", L"volume FO", L"-500 \u00C5"));
  EXPECT_EQ(Bytes("test.ini"), utf16(u"[OPTIONS]\r\nsound=0\r\ntitle=Caf\u00E9 \u6F22 \U0001F6EB\r\n"
                                     u"[VOLUMES]\r\nvolume FO=-500 \u00C5\r\n"));
  platform::ClearIniCache();
  EXPECT_EQ(Read(L"VOLUMES", L"volume fo"), L"-500 \u00C5");
}

TEST_F(IniFile, ABigEndianUtf16FileIsReadAndWrittenBackInItsOwnEncoding) {
  auto utf16be = [](const std::u16string& text) { return Utf16File(text, true); };
  Put("test.ini", utf16be(u"[OPTIONS]\r\nsound=1\r\ntitle=Caf\u00E9 \U0001F6EB\r\n"));
  EXPECT_EQ(Read(L"OPTIONS", L"sound"), L"1");
  EXPECT_EQ(Read(L"OPTIONS", L"title"), L"Caf\u00E9 \U0001F6EB");
  EXPECT_TRUE(Write(L"OPTIONS", L"sound", L"0"));
  EXPECT_TRUE(Write(L"VOLUMES", L"volume FO", L"-500"));
  EXPECT_EQ(Bytes("test.ini"), utf16be(u"[OPTIONS]\r\nsound=0\r\ntitle=Caf\u00E9 \U0001F6EB\r\n"
                                       u"[VOLUMES]\r\nvolume FO=-500\r\n"));
}

// A DOS end-of-file mark (Ctrl+Z), as old editors and CD-ROM copies leave
// it after the last value, is a blank like a space.
TEST_F(IniFile, ADosEndOfFileByteIsABlank) {
  Put("test.ini", "[A]\r\nk=v\x1a\r\nq = \"w\" \x1a\r\n\x1ar=u\r\n\x1a");
  EXPECT_EQ(Read(L"A", L"k"), L"v");
  EXPECT_EQ(Read(L"A", L"q"), L"w");
  EXPECT_EQ(Read(L"A", L"r"), L"u");
  EXPECT_TRUE(Write(L"A", L"k", L"x"));
  EXPECT_TRUE(Write(L"A", L"n", L"1"));
  EXPECT_EQ(Bytes("test.ini"), "[A]\r\nk=x\r\nq = \"w\" \x1a\r\n\x1ar=u\r\nn=1\r\n\x1a");
}

TEST_F(IniFile, ABareCarriageReturnEndsALine) {
  Put("test.ini", "[A]\rk=v\rj=w\r");
  EXPECT_EQ(Read(L"A", L"k"), L"v");
  EXPECT_EQ(Read(L"A", L"j"), L"w");
  EXPECT_TRUE(Write(L"A", L"n", L"1"));
  EXPECT_EQ(Bytes("test.ini"), "[A]\rk=v\rj=w\rn=1\r");

  // One bare CR inside a CRLF file: the line after it is a line of its own.
  Put("mixed.ini", "[A]\r\nk=v\rj=w\r\n");
  EXPECT_EQ(Read(L"A", L"k", L"default", L"mixed.ini"), L"v");
  EXPECT_EQ(Read(L"A", L"j", L"default", L"mixed.ini"), L"w");
  EXPECT_TRUE(Write(L"A", L"k", L"x", L"mixed.ini"));
  EXPECT_EQ(Bytes("mixed.ini"), "[A]\r\nk=x\rj=w\r\n");
}

TEST_F(IniFile, AReadOnlyFileIsNeverWrittenEvenByRootOrThroughALink) {
  Put("test.ini", "[A]\nx=1\n");
  ASSERT_EQ(chmod("test.ini", 0444), 0);
  EXPECT_FALSE(Write(L"A", L"x", L"2"));
  EXPECT_FALSE(Write(L"B", L"y", L"3"));
  EXPECT_EQ(Bytes("test.ini"), "[A]\nx=1\n");
  EXPECT_EQ(Read(L"A", L"x"), L"1");
  const std::vector<platform::IniSaveFailure> failures = platform::IniSaveFailures();
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].reason.find("read-only"), std::string::npos);
  EXPECT_EQ(failures[0].times, 2u);
  for (const std::string& name : FolderEntries()) EXPECT_EQ(name.find(".saving"), std::string::npos) << name;

  ASSERT_EQ(symlink("test.ini", "link.ini"), 0);
  EXPECT_FALSE(Write(L"A", L"x", L"2", L"link.ini"));
  EXPECT_EQ(Bytes("test.ini"), "[A]\nx=1\n");

  // Writable again: the write goes through.
  ASSERT_EQ(chmod("test.ini", 0644), 0);
  EXPECT_TRUE(Write(L"A", L"x", L"2"));
  EXPECT_EQ(Bytes("test.ini"), "[A]\nx=2\n");
}

// Another user's file with a write bit for its owner only, in a folder the
// user running the program may write: the spare file could take its place,
// but Windows asks the file's own permission, and so the write is refused and
// the file stays. Root may write any file, so as root an ordinary user (a
// child process) writes into root's file; otherwise the user's own file
// whose owner bits deny writing, while its group may write.
TEST_F(IniFile, AFileThisUserMayNotWriteIsNotReplacedThroughItsFolder) {
  Put("test.ini", "[A]\nx=1\n");
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chown(".", kNobody, kNobody), 0);
  }
  ASSERT_EQ(chmod("test.ini", root ? 0644 : 0464), 0);
  const int status = InChild(root, [] {
    if (Write(L"A", L"x", L"2") || Write(L"B", L"y", L"3")) return 3;
    const std::vector<platform::IniSaveFailure> failures = platform::IniSaveFailures();
    const bool said = failures.size() == 1 && failures[0].times == 2 &&
                      failures[0].reason.find(std::strerror(EACCES)) != std::string::npos;
    return said ? 0 : 4;
  });
  EXPECT_EQ(status, 0) << "2: no ordinary user, 3: written, 4: not reported";
  EXPECT_EQ(Bytes("test.ini"), "[A]\nx=1\n");
  ExpectNoSpareIn(".");
}

// In a folder with the sticky bit (as /tmp, or a shared folder of a group),
// only the owner of a file, the owner of the folder or root may put another
// file in its place. Another user's file that this user may write is written
// in place, as Windows writes every INI file, and so is one that a new file
// would give another owner or group (the user's own folder, where the spare
// could take the root's file's place; the user's own file of a group the user
// is not in), and another user's file, or the user's own, in a folder
// without the sticky bit that the user may not write (where no spare can be
// made); the others are
// replaced whole as usual (a new file takes the name, with the old one's
// owner and group). An ordinary user writes (a child process as "nobody"),
// except in the last case, root.
TEST_F(IniFile, AnotherUsersFileInAStickyFolderIsWrittenInPlace) {
  if (geteuid() != 0) GTEST_SKIP() << "only root can give files to another user";
  ASSERT_EQ(chmod(".", 0755), 0);
  struct Case {
    uid_t folderOwner;
    gid_t group;  // of the folder and the file
    mode_t folderMode;
    uid_t fileOwner;
    mode_t fileMode;
    bool asNobody;
    bool inPlace;
  };
  constexpr Case kCases[] = {
      {0, 0, 01777, 0, 0666, true, true},                      // anyone may write the file
      {0, kNobody, 01775, 0, 0664, true, true},                // the file's group may
      {0, kNobody, 01777, kNobody, 0644, true, false},         // the user's own file
      {0, 0, 01777, kNobody, 0644, true, true},                // ... of a group the user is not in
      {kNobody, kNobody, 01755, 0, 0666, true, true},          // the user's own folder
      {0, 0, 0755, 0, 0666, true, true},                       // a folder the user may not write
      {0, 0, 0755, kNobody, 0644, true, true},                 // ... and the user's own file in it
      {kNobody, kNobody, 01777, kNobody, 0644, false, false},  // root
  };
  for (const Case& test : kCases) {
    const std::string folder = "shared" + std::to_string(&test - kCases);
    const std::string file = folder + "/test.ini";
    SCOPED_TRACE(file);
    ASSERT_EQ(mkdir(folder.c_str(), 0777), 0);
    ASSERT_EQ(chown(folder.c_str(), test.folderOwner, test.group), 0);
    ASSERT_EQ(chmod(folder.c_str(), test.folderMode), 0);
    Put(file, "[A]\nx=1\n");
    ASSERT_EQ(chown(file.c_str(), test.fileOwner, test.group), 0);
    ASSERT_EQ(chmod(file.c_str(), test.fileMode), 0);
    const ino_t before = Inode(file);
    const std::wstring path = platform::Widen(file);
    const int status = InChild(test.asNobody, [&path, &folder, &test] {
      const wchar_t* ini = path.c_str();
      const bool written = WritePrivateProfileString(L"A", L"x", L"2", ini) &&
                           WritePrivateProfileString(L"B", L"y", L"3", ini);
      // A file written in place gets no spare beside it.
      if (written && (FolderEntries(folder).size() == 1) != test.inPlace) return 6;
      if (!written || !platform::SaveIniFiles()) return 3;
      if (Read(L"A", L"x", L"", ini) != L"2") return 4;
      if (!platform::IniSaveFailures().empty()) return 5;
      platform::ClearIniCache();
      return 0;
    });
    EXPECT_EQ(status, 0) << "2: no ordinary user, 3: refused, 4: not read back, 5: a failure noted, 6: spare";
    EXPECT_EQ(Bytes(file), "[A]\nx=2\n[B]\ny=3\n");
    EXPECT_EQ(Inode(file) == before, test.inPlace);
    struct stat info {};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, test.fileOwner);
    EXPECT_EQ(info.st_gid, test.group);
    ExpectNoSpareIn(folder);
  }
}

// Sets or clears the append-only flag (chattr +a) of a file or folder; false
// where the file system or this user's rights do not allow it.
bool SetAppendOnly(const std::string& file, bool on) { return halcyon::test::SetFileFlag(file, FS_APPEND_FL, on); }

// An append-only file may be added to but never rewritten: the write is
// refused at once, as on Windows. In an append-only folder no file may take
// another's place, nor be removed: a file there is written in place (a new
// one made in place), and no spare is made that would stay there for good.
TEST_F(IniFile, AnAppendOnlyFileIsRefusedAndOneInAnAppendOnlyFolderWrittenInPlace) {
  Put("test.ini", "[A]\nx=1\n");
  if (!SetAppendOnly("test.ini", true)) {
    GTEST_SKIP() << "no append-only files here (root and a file system that keeps the flag): " << std::strerror(errno);
  }
  const bool written = WritePrivateProfileString(L"A", L"x", L"2", L".\\test.ini");
  const std::wstring read = Read(L"A", L"x");
  const bool saved = platform::SaveIniFiles();
  ASSERT_TRUE(SetAppendOnly("test.ini", false));
  EXPECT_FALSE(written);
  EXPECT_EQ(read, L"1");
  EXPECT_TRUE(saved);
  EXPECT_EQ(Bytes("test.ini"), "[A]\nx=1\n");
  ASSERT_EQ(platform::IniSaveFailures().size(), 1u);
  EXPECT_NE(platform::IniSaveFailures()[0].reason.find(std::strerror(EPERM)), std::string::npos);
  ExpectNoSpareIn(".");
  platform::ClearIniCache();

  ASSERT_EQ(mkdir("logs", 0777), 0);
  Put("logs/test.ini", "[A]\nx=1\n");
  const ino_t before = Inode("logs/test.ini");
  ASSERT_TRUE(SetAppendOnly("logs", true));
  const bool folderWritten = Write(L"A", L"x", L"2", L".\\logs\\test.ini");
  const bool newWritten = Write(L"A", L"y", L"3", L".\\logs\\new.ini");
  const std::vector<platform::IniSaveFailure> failures = platform::IniSaveFailures();
  platform::ClearIniCache();
  ASSERT_TRUE(SetAppendOnly("logs", false));
  EXPECT_TRUE(folderWritten);
  EXPECT_TRUE(newWritten);
  EXPECT_EQ(Bytes("logs/test.ini"), "[A]\nx=2\n");
  EXPECT_EQ(Bytes("logs/new.ini"), "[A]\r\ny=3\r\n");
  EXPECT_EQ(Inode("logs/test.ini"), before);
  EXPECT_TRUE(failures.empty());
  ExpectNoSpareIn("logs");
}

// A file mounted over itself (as a container or a sandbox binds a single
// file) cannot be replaced by another: it is written in place. Until the
// save it stays as it was, even when the room for a long value is taken at
// the write, and no spare is made beside it. The mount is made in a child
// process with a mount table of its own, which goes with it.
TEST_F(IniFile, AFileMountedOverItselfIsWrittenInPlace) {
  Put("test.ini", "[A]\nx=1\n");
  const std::wstring longValue(6000, L'v');
  const int status = InChild(false, [&longValue] {
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("test.ini", "test.ini", nullptr, MS_BIND, nullptr) != 0) {
      return 2;
    }
    if (!WritePrivateProfileString(L"A", L"x", longValue.c_str(), L"test.ini")) return 3;
    if (Bytes("test.ini") != "[A]\nx=1\n" || FolderEntries().size() != 1) return 4;
    if (!platform::SaveIniFiles() || !Write(L"A", L"x", L"2") || !Write(L"B", L"y", L"3")) return 3;
    return platform::IniSaveFailures().empty() ? 0 : 5;
  });
  if (status == 2) GTEST_SKIP() << "no bind mounts here (they need root and a mount namespace)";
  EXPECT_EQ(status, 0) << "3: refused or not saved, 4: changed, or a spare made, before the save, 5: a failure noted";
  EXPECT_EQ(Bytes("test.ini"), "[A]\nx=2\n[B]\ny=3\n");
}

TEST_F(IniFile, OnePairOfQuotesAroundAValueIsDroppedOnRead) {
  Put("test.ini",
      "[FAST CLICK]\nmultiplier=\"5\"\nsingle = '7' \nunmatched=\"8'\nnested=\"\"9\"\"\nalone=\"\ninner=a\"b\"\n");
  EXPECT_EQ(Read(L"FAST CLICK", L"multiplier"), L"5");
  EXPECT_EQ(Read(L"FAST CLICK", L"single"), L"7");
  EXPECT_EQ(Read(L"FAST CLICK", L"unmatched"), L"\"8'");
  EXPECT_EQ(Read(L"FAST CLICK", L"nested"), L"\"9\"");
  EXPECT_EQ(Read(L"FAST CLICK", L"alone"), L"\"");
  EXPECT_EQ(Read(L"FAST CLICK", L"inner"), L"a\"b\"");
}

TEST_F(IniFile, SavesKeepTheFilePermissions) {
  Put("test.ini", "[A]\nx=1\n");
  ASSERT_EQ(chmod("test.ini", 0640), 0);
  EXPECT_TRUE(Write(L"A", L"x", L"2"));
  struct stat info {};
  ASSERT_EQ(stat("test.ini", &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

// A file with two names (hard links) stays one file, as on Windows: it is
// written in place, and what was written through either name is in it.
TEST_F(IniFile, AFileWithTwoNamesStaysOneFile) {
  Put("test.ini", "[A]\nx=1\n");
  ASSERT_EQ(link("test.ini", "linked.ini"), 0);
  const ino_t before = Inode("test.ini");
  EXPECT_TRUE(Write(L"A", L"a", L"1"));
  EXPECT_TRUE(Write(L"A", L"b", L"2", L"linked.ini"));
  EXPECT_EQ(Inode("test.ini"), before);
  EXPECT_EQ(Inode("linked.ini"), before);
  EXPECT_EQ(Bytes("test.ini"), "[A]\nx=1\na=1\nb=2\n");
  ExpectNoSpareIn(".");
}

// A file written in place (here: one with two names) whose save is killed
// as the file is cut to its new length (FailNextIniSaves stops it there)
// holds the new text followed by blanks, never the old text's tail, whose
// cut line and keys a reader would take for the file's: it reads as the new
// text. So too in UTF-16, whose blanks are two bytes, and where the new
// text's last line has no line end.
TEST_F(IniFile, AnInPlaceSaveKilledAtTheCutLeavesTheNewTextAndBlanks) {
  const std::u16string old16 = u"[A]\r\nflaps=15\r\nspeedbug=250\r\n";
  const std::u16string saved16 = u"[A]\r\nspeedbug=250\r\n";
  const struct {
    std::string old;
    std::string saved;
    std::string blank;
  } cases[] = {
      {"[A]\nflaps=15\nspeedbug=250\n", "[A]\nspeedbug=250\n", " "},
      {"[A]\nflaps=15\nspeedbug=250", "[A]\nspeedbug=250", " "},
      {Utf16File(old16, false), Utf16File(saved16, false), std::string(" \0", 2)},
      {Utf16File(old16, true), Utf16File(saved16, true), std::string("\0 ", 2)},
  };
  for (const auto& [old, saved, blank] : cases) {
    SCOPED_TRACE(testing::PrintToString(old));
    Put("test.ini", old);
    ASSERT_EQ(link("test.ini", "linked.ini"), 0);
    platform::FailNextIniSaves(1);
    EXPECT_FALSE(Write(L"A", L"flaps", nullptr));
    const std::string left = Bytes("test.ini");
    std::string blanks;
    while (saved.size() + blanks.size() < old.size()) blanks += blank;
    EXPECT_EQ(left, saved + blanks);
    Put("check.ini", left);
    EXPECT_EQ(Read(L"A", L"flaps", L"none", L"check.ini"), L"none");
    EXPECT_EQ(Read(L"A", L"speedbug", L"none", L"check.ini"), L"250");
    platform::ClearIniCache();
    unlink("test.ini");
    unlink("linked.ini");
  }
}

// Two programs (or two runs of one) write different keys of one file, each
// saving as its call returns: both keep their keys, in whichever order the
// saves come, as on Windows, where each write goes to the file at once; so
// too when the file is not there before (the second save finds the first's
// file). The file holds each key whose save succeeded, and each process then
// reads the other's. As root, the same with one of them "nobody", who may
// only write root's file in place (a sticky folder): its save finds the file
// it opened at the write replaced by root's save, and saves into the new one.
TEST_F(IniFile, TwoProcessesWritingDifferentKeysOfOneFileBothKeepThem) {
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chmod(".", 0755), 0);
    ASSERT_EQ(mkdir("shared", 0777), 0);
    ASSERT_EQ(chmod("shared", 01777), 0);
  }
  auto writer = [](const wchar_t* key, const wchar_t* value, const wchar_t* path) {
    return std::vector<std::function<int()>>{
        [=] { return WritePrivateProfileString(L"A", key, value, path) ? 0 : 1; },
        [] { return platform::SaveIniFiles() ? 0 : 1; },
        [=] { return Read(L"A", L"a", L"", path) == L"1" && Read(L"A", L"b", L"", path) == L"2" ? 0 : 1; }};
  };
  struct Case {
    bool inPlace;
    bool fileThere;
  };
  for (const Case test : {Case{false, true}, Case{false, false}, Case{true, true}}) {
    if (test.inPlace && !root) continue;
    const std::string file = test.inPlace ? "shared/test.ini" : "test.ini";
    const std::wstring path = platform::Widen(file);
    const std::string head = test.fileThere ? "[A]\nold=0\n" : "[A]\r\n";
    auto line = [&test](const char* key) { return std::string(key) + (test.fileThere ? "\n" : "\r\n"); };
    for (const bool firstSavesFirst : {true, false}) {
      SCOPED_TRACE(file + (test.fileThere ? "" : " (none before)") +
                   (firstSavesFirst ? ", a saved first" : ", b saved first"));
      unlink(file.c_str());
      if (test.fileThere) {
        Put(file, "[A]\nold=0\n");
        ASSERT_EQ(chmod(file.c_str(), 0666), 0);
      }
      const ino_t before = Inode(file);
      Process first(test.inPlace, writer(L"a", L"1", path.c_str()));
      Process second(false, writer(L"b", L"2", path.c_str()));
      EXPECT_EQ(first.step(), 0);
      EXPECT_EQ(second.step(), 0);
      EXPECT_EQ((firstSavesFirst ? first : second).step(), 0);
      EXPECT_EQ(Bytes(file), head + line(firstSavesFirst ? "a=1" : "b=2"));
      EXPECT_EQ((firstSavesFirst ? second : first).step(), 0);
      EXPECT_EQ(Bytes(file), head + (firstSavesFirst ? line("a=1") + line("b=2") : line("b=2") + line("a=1")));
      EXPECT_EQ(first.step(), 0) << "a reads b";
      EXPECT_EQ(second.step(), 0) << "b reads a";
      EXPECT_EQ(first.exit(), 0);
      EXPECT_EQ(second.exit(), 0);
      if (test.fileThere) {
        EXPECT_NE(Inode(file), before) << "replaced through the spare";
      }
      ExpectNoSpareIn(test.inPlace ? "shared" : ".");
      // Writes that leave the file as it stands save nothing.
      const platform::IniStats stats = platform::GetIniStats();
      const std::string saved = Bytes(file);
      EXPECT_TRUE(WritePrivateProfileString(L"A", L"a", L"3", path.c_str()));
      EXPECT_TRUE(Write(L"A", L"a", L"1", path.c_str()));
      EXPECT_EQ(platform::GetIniStats().writes, stats.writes);
      EXPECT_EQ(Bytes(file), saved);
      platform::ClearIniCache();
    }
  }
}

// Two processes saving one file at the same moments, again and again, each
// its own keys: the lock makes each save wait for the other's, so no key is
// lost. So too for files that are not there before: one makes the file,
// and the other's save is made on it.
TEST_F(IniFile, TwoProcessesSavingOneFileAtOnceLoseNoKey) {
  Put("test.ini", "[A]\n");
  constexpr int kRounds = 150;
  auto writer = [](wchar_t who) {
    return std::vector<std::function<int()>>{[who] {
      for (int i = 0; i < kRounds; ++i) {
        const std::wstring key = who + std::to_wstring(i);
        const std::wstring newFile = L"new" + std::to_wstring(i) + L".ini";
        if (!WritePrivateProfileString(L"A", who == L'a' ? L"a" : L"b", L"1", newFile.c_str())) return 1;
        if (!Write(L"A", key.c_str(), L"1")) return 1;
      }
      return 0;
    }};
  };
  Process first(false, writer(L'a'));
  Process second(false, writer(L'b'));
  first.start();
  second.start();
  EXPECT_EQ(first.result(), 0);
  EXPECT_EQ(second.result(), 0);
  EXPECT_EQ(first.exit(), 0);
  EXPECT_EQ(second.exit(), 0);
  int lost = 0;
  for (int i = 0; i < kRounds; ++i) {
    const std::wstring newFile = L"new" + std::to_wstring(i) + L".ini";
    for (const wchar_t* who : {L"a", L"b"}) {
      lost += Read(L"A", (who + std::to_wstring(i)).c_str()) == L"1" ? 0 : 1;
      lost += Read(L"A", who, L"", newFile.c_str()) == L"1" ? 0 : 1;
    }
  }
  EXPECT_EQ(lost, 0);
  ExpectNoSpareIn(".");
}

// Two processes making one new file at the same moment, each with a key of
// its own (a long one, so that each save takes a while), written first and
// then saved at once: one makes the file, and the other's save, finding it
// made, is made on it. So too where
// the file system refuses renameat2's flags (NFS): the new file then takes
// its name through a hard link, which fails where the name is taken, as the
// flag does.
TEST_F(IniFile, TwoProcessesMakingOneNewFileAtOnceBothKeepTheirKeys) {
  constexpr int kRounds = 10;
  const std::wstring longValue(1 << 16, L'v');
  auto maker = [&longValue](const wchar_t* key, bool flagsRefused) {
    std::vector<std::function<int()>> steps;
    for (int i = 0; i < kRounds; ++i) {
      steps.push_back([key, flagsRefused, i, &longValue] {
        platform::RefuseRenameFlags(flagsRefused);
        const std::wstring file = L"new" + std::to_wstring(i) + L".ini";
        return WritePrivateProfileString(L"A", key, longValue.c_str(), file.c_str()) ? 0 : 1;
      });
      steps.push_back([] { return platform::SaveIniFiles() ? 0 : 1; });
    }
    return steps;
  };
  for (const bool flagsRefused : {false, true}) {
    SCOPED_TRACE(flagsRefused ? "renameat2's flags refused" : "renameat2's flags taken");
    Process first(false, maker(L"a", flagsRefused));
    Process second(false, maker(L"b", flagsRefused));
    int lost = 0;
    for (int i = 0; i < kRounds; ++i) {
      EXPECT_EQ(first.step(), 0);
      EXPECT_EQ(second.step(), 0);
      first.start();
      second.start();
      EXPECT_EQ(first.result(), 0);
      EXPECT_EQ(second.result(), 0);
      const std::string file = "new" + std::to_string(i) + ".ini";
      const std::string bytes = Bytes(file);
      lost += (bytes.find("a=vvv") == std::string::npos ? 1 : 0) + (bytes.find("b=vvv") == std::string::npos ? 1 : 0);
      unlink(file.c_str());
    }
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(first.exit(), 0);
    EXPECT_EQ(second.exit(), 0);
    ExpectNoSpareIn(".");
  }
}

// Each process saves through a spare file of its own, made for it alone:
// one process's exit (which removes its spares) leaves another's spare, and
// the other's save, alone. A spare that a killed run left, of whatever
// process number, is removed by the next save of its file.
TEST_F(IniFile, AProcessRemovesAndWritesOnlyItsOwnSpares) {
  Put("test.ini", "[A]\nold=0\n");
  Process first(false, {[] { return WritePrivateProfileString(L"A", L"a", L"1", L"test.ini") ? 0 : 1; }});
  Process second(false, {[] { return WritePrivateProfileString(L"A", L"b", L"2", L"test.ini") ? 0 : 1; },
                         [] { return platform::SaveIniFiles() ? 0 : 1; }});
  EXPECT_EQ(first.step(), 0);
  EXPECT_EQ(second.step(), 0);
  std::vector<std::string> entries = FolderEntries();
  std::sort(entries.begin(), entries.end());
  std::vector<std::string> expected = {"test.ini", SpareOf("test.ini", first.pid()), SpareOf("test.ini", second.pid())};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(entries, expected);
  const std::string secondSpare = SpareOf("test.ini", second.pid());
  EXPECT_EQ(first.exit(), 0);
  EXPECT_EQ(Bytes("test.ini"), "[A]\nold=0\na=1\n") << "saved at its exit";
  EXPECT_EQ(access(secondSpare.c_str(), F_OK), 0) << "the other's spare stays";
  EXPECT_EQ(access(SpareOf("test.ini", first.pid()).c_str(), F_OK), -1);
  EXPECT_EQ(second.step(), 0);
  EXPECT_EQ(second.exit(), 0);
  EXPECT_EQ(Bytes("test.ini"), "[A]\nold=0\na=1\nb=2\n");
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{"test.ini"});

  // A spare no living process holds is a killed run's, even one of this
  // process's number (numbers come again): the next save of its file
  // removes it. A living process's spare stays, and so does a file whose
  // name only looks like a spare's.
  const std::string leftOver = SpareOf("test.ini", getpid());
  Put(leftOver, "left by a killed run");
  Put("test.ini.old.saving", "the user's");
  Process killed(false, {[] { return WritePrivateProfileString(L"A", L"k", L"1", L"test.ini") ? 0 : 1; }});
  Process living(false, {[] { return WritePrivateProfileString(L"A", L"l", L"1", L"test.ini") ? 0 : 1; }});
  EXPECT_EQ(killed.step(), 0);
  EXPECT_EQ(living.step(), 0);
  const std::string killedSpare = SpareOf("test.ini", killed.pid());
  ASSERT_EQ(kill(killed.pid(), SIGKILL), 0);
  EXPECT_EQ(killed.exit(), -1);
  EXPECT_EQ(access(killedSpare.c_str(), F_OK), 0);
  EXPECT_TRUE(Write(L"A", L"c", L"3"));
  EXPECT_EQ(access(leftOver.c_str(), F_OK), -1);
  EXPECT_EQ(access(killedSpare.c_str(), F_OK), -1);
  EXPECT_EQ(access(SpareOf("test.ini", living.pid()).c_str(), F_OK), 0);
  EXPECT_EQ(Bytes("test.ini.old.saving"), "the user's");
  unlink("test.ini.old.saving");
  EXPECT_TRUE(Write(L"A", L"c", L"4"));
  EXPECT_EQ(living.exit(), 0);
  platform::ClearIniCache();
  EXPECT_EQ(Bytes("test.ini"), "[A]\nold=0\na=1\nb=2\nc=4\nl=1\n");
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{"test.ini"});

  // A child of a fork inherits the list of spares, but not to remove them,
  // nor does its save take them for a killed run's.
  EXPECT_TRUE(WritePrivateProfileString(L"A", L"d", L"5", L"test.ini"));
  EXPECT_EQ(InChild(false,
                    [] {
                      platform::ClearIniCache();
                      return Write(L"A", L"e", L"6") ? 0 : 1;
                    }),
            0);
  EXPECT_EQ(access(SpareOf("test.ini", getpid()).c_str(), F_OK), 0);
  EXPECT_TRUE(platform::SaveIniFiles());
  EXPECT_EQ(Bytes("test.ini"), "[A]\nold=0\na=1\nb=2\nc=4\nl=1\ne=6\nd=5\n");
}

// The last write of a key wins, as on Windows, even one that writes what
// its process read before another program saved the key: a write made
// while others of the process wait for their save is made again at the save.
TEST_F(IniFile, TheLastWriteOfAKeyWins) {
  Put("test.ini", "[A]\nx=0\n");
  Process first(false, {[] { return WritePrivateProfileString(L"A", L"a", L"1", L"test.ini") ? 0 : 1; },
                        [] { return Write(L"A", L"x", L"0") ? 0 : 1; }});
  Process second(false, {[] { return Write(L"A", L"x", L"2") ? 0 : 1; }});
  EXPECT_EQ(first.step(), 0);
  EXPECT_EQ(second.step(), 0);
  EXPECT_EQ(Bytes("test.ini"), "[A]\nx=2\n");
  EXPECT_EQ(first.step(), 0);
  EXPECT_EQ(Bytes("test.ini"), "[A]\nx=0\na=1\n");
  EXPECT_EQ(first.exit(), 0);
  EXPECT_EQ(second.exit(), 0);

  // So too for a write, or a removal, that leaves its own copy as it is:
  // the other program's write came first by call, though it was saved first.
  Put("test.ini", "[A]\nx=0\n");
  auto writes = [](const wchar_t* x, const wchar_t* y) {
    return [x, y] {
      const bool written = WritePrivateProfileString(L"A", L"x", x, L"test.ini") &&
                           WritePrivateProfileString(L"A", L"y", y, L"test.ini");
      return written ? 0 : 1;
    };
  };
  auto save = [] { return platform::SaveIniFiles() ? 0 : 1; };
  Process earlier(false, {writes(L"2", L"3"), save});
  Process later(false, {writes(L"0", nullptr), save});
  EXPECT_EQ(earlier.step(), 0);
  EXPECT_EQ(later.step(), 0);
  EXPECT_EQ(earlier.step(), 0);
  EXPECT_EQ(Bytes("test.ini"), "[A]\nx=2\ny=3\n");
  EXPECT_EQ(later.step(), 0);
  EXPECT_EQ(Bytes("test.ini"), "[A]\nx=0\n");
  EXPECT_EQ(later.exit(), 0);
  EXPECT_EQ(earlier.exit(), 0);

  // A removal from a file that is not there makes no file.
  EXPECT_TRUE(Write(L"A", L"x", nullptr, L"none.ini"));
  EXPECT_TRUE(Write(L"A", nullptr, nullptr, L"none.ini"));
  EXPECT_EQ(access("none.ini", F_OK), -1);
}

// A program that keeps files locked (as another's save does while it lasts)
// holds a call's saves back for one short while in all, however many files
// it keeps: each then fails, noted, with the file as it was, and keeps this
// process's writes, which reads still see. A save tried again does not wait
// (a lock kept for good stalls no call), unless its file was written since. Once the locks are free, the next
// save makes the writes on the files as the other program's save left them,
// so its key stays too, and the failures are no longer news. Only what the
// last save, at exit, cannot make is lost, and it says so. (A child process
// saves, so that a wait without end shows as the child cut off by its
// alarm.)
TEST_F(IniFile, LockedFilesHoldACallBackOnceAndItsWritesWaitForTheNextSave) {
  constexpr int kFiles = 5;
  auto path = [](int i) { return L"test" + std::to_wstring(i) + L".ini"; };
  using Clock = std::chrono::steady_clock;
  Process saver(false, {[path] {
                          alarm(20);
                          platform::SetIniLockWait(400);
                          for (int i = 0; i < kFiles; ++i) {
                            if (!WritePrivateProfileString(L"A", L"b", L"2", path(i).c_str())) return 1;
                          }
                          const auto start = Clock::now();
                          if (platform::SaveIniFiles()) return 2;
                          const auto waited = Clock::now() - start;
                          if (waited < std::chrono::milliseconds(400) || waited > std::chrono::milliseconds(1500)) {
                            return 3;
                          }
                          const std::vector<platform::IniSaveFailure> failures = platform::IniSaveFailures();
                          if (failures.size() != kFiles || failures[0].reason.find("locked") == std::string::npos) {
                            return 4;
                          }
                          for (int i = 0; i < kFiles; ++i) {
                            if (Read(L"A", L"b", L"", path(i).c_str()) != L"2") return 5;
                          }
                          const auto again = Clock::now();
                          if (platform::SaveIniFiles()) return 2;
                          if (Clock::now() - again > std::chrono::milliseconds(300)) return 6;
                          // A file written since waits again.
                          if (!WritePrivateProfileString(L"A", L"b", L"2", path(0).c_str())) return 1;
                          const auto written = Clock::now();
                          if (platform::SaveIniFiles()) return 2;
                          return Clock::now() - written >= std::chrono::milliseconds(400) ? 0 : 7;
                        },
                        [] { return platform::SaveIniFiles() && platform::IniSaveFailures().empty() ? 0 : 1; },
                        [path] {
                          platform::SetIniLockWait(100);
                          return std::freopen("said.txt", "w", stderr) != nullptr &&
                                         WritePrivateProfileString(L"A", L"c", L"3", path(0).c_str())
                                     ? 0
                                     : 1;
                        }});
  // The locks are taken once the saver is started, which holds none of them.
  std::vector<int> held;
  for (int i = 0; i < kFiles; ++i) {
    Put(platform::Narrow(path(i)), "[A]\nx=1\n");
    held.push_back(open(platform::Narrow(path(i)).c_str(), O_RDONLY | O_CLOEXEC));
    ASSERT_EQ(flock(held.back(), LOCK_EX), 0);
  }
  EXPECT_EQ(saver.step(), 0) << "2: saved, 3: waited too short or a bound per file, 4: not noted, 5: a write "
                                "lost, 6: a save tried again waited, 7: a file written since did not; -1: waited on";
  for (int i = 0; i < kFiles; ++i) EXPECT_EQ(Bytes(platform::Narrow(path(i))), "[A]\nx=1\n");
  // Another program's save, under its lock, adds a key of its own.
  Put("test0.ini", "[A]\nx=1\na=1\n");
  for (const int fd : held) close(fd);
  EXPECT_EQ(saver.step(), 0);
  EXPECT_EQ(Bytes("test0.ini"), "[A]\nx=1\na=1\nb=2\n");
  for (int i = 1; i < kFiles; ++i) EXPECT_EQ(Bytes(platform::Narrow(path(i))), "[A]\nx=1\nb=2\n");
  // Only what the last save, at exit, cannot make is lost, and said.
  EXPECT_EQ(saver.step(), 0);
  const int locked = open("test0.ini", O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(flock(locked, LOCK_EX), 0);
  EXPECT_EQ(saver.exit(), 0);
  close(locked);
  EXPECT_EQ(Bytes("test0.ini"), "[A]\nx=1\na=1\nb=2\n");
  EXPECT_EQ(Bytes("said.txt"), "ini: cannot save " + folder_ +
                                   "/test0.ini: another program kept the file locked; this run's changes to it are "
                                   "lost\n");
}

// A child of a fork that saves what it inherited waiting does so through
// files of its own: its parent's save, through the parent's spare, keeps
// what the child saved.
TEST_F(IniFile, AForkedChildSavesThroughFilesOfItsOwn) {
  Put("test.ini", "[A]\nold=0\n");
  EXPECT_TRUE(WritePrivateProfileString(L"A", L"a", L"1", L"test.ini"));
  // The parent's spare, readied by its write, takes no room for the child's.
  const std::string parentsSpare = "test.ini." + std::to_string(getpid()) + ".saving";
  const std::string spareBefore = Bytes(parentsSpare);
  // A child that saves the write it inherited saves it through a spare of its own.
  EXPECT_EQ(InChild(false, [] { return platform::SaveIniFiles() ? 0 : 1; }), 0);
  EXPECT_EQ(Bytes("test.ini"), "[A]\nold=0\na=1\n");
  EXPECT_EQ(Bytes(parentsSpare), spareBefore);
  const std::wstring longValue(20000, L'v');
  EXPECT_EQ(InChild(false,
                    [&longValue] {
                      return Write(L"A", L"long", longValue.c_str()) && Write(L"A", L"long", nullptr) &&
                                     Write(L"A", L"b", L"2")
                                 ? 0
                                 : 1;
                    }),
            0);
  EXPECT_EQ(Bytes(parentsSpare), spareBefore);
  EXPECT_EQ(Bytes("test.ini"), "[A]\nold=0\na=1\nb=2\n");
  EXPECT_TRUE(Write(L"A", L"c", L"3"));
  EXPECT_EQ(Bytes("test.ini"), "[A]\nold=0\na=1\nb=2\nc=3\n");
  EXPECT_EQ(Read(L"A", L"b"), L"2");
}

// A child of a fork that lives on, holding open what its parent's save
// locked, holds up no other program's save of the file.
TEST_F(IniFile, AForkedChildThatLivesOnHoldsUpNoSave) {
  Put("test.ini", "[A]\n");
  EXPECT_TRUE(WritePrivateProfileString(L"A", L"a", L"1", L"test.ini"));
  Process idle(false, {});
  Process other(false, {[] {
                          platform::SetIniLockWait(500);
                          return WritePrivateProfileString(L"A", L"b", L"2", L"test.ini") ? 0 : 1;
                        },
                        [] { return platform::SaveIniFiles() ? 0 : 1; }});
  EXPECT_EQ(other.step(), 0);
  EXPECT_TRUE(platform::SaveIniFiles());
  EXPECT_EQ(other.step(), 0);
  EXPECT_EQ(Bytes("test.ini"), "[A]\na=1\nb=2\n");
  EXPECT_EQ(other.exit(), 0);
  EXPECT_EQ(idle.exit(), 0);
}

// A file reached through a symbolic link, through the file it leads to and
// through a linked folder is one file: one copy that each name reads, and
// one save that keeps the writes made through all of them.
TEST_F(IniFile, AFileReachedThroughLinksIsOneFile) {
  ASSERT_EQ(mkdir("shared", 0777), 0);
  Put("shared/real.ini", "[A]\nx=1\n");
  ASSERT_EQ(symlink("shared/real.ini", "link.ini"), 0);
  ASSERT_EQ(symlink("shared", "linked"), 0);
  const platform::IniStats before = platform::GetIniStats();
  EXPECT_TRUE(WritePrivateProfileString(L"A", L"a", L"1", L"link.ini"));
  EXPECT_TRUE(WritePrivateProfileString(L"A", L"b", L"2", L"shared\\real.ini"));
  EXPECT_TRUE(WritePrivateProfileString(L"A", L"c", L"3", L".\\LINKED\\Real.ini"));
  for (const wchar_t* path : {L"link.ini", L"shared\\real.ini", L"linked\\real.ini"}) {
    EXPECT_EQ(Read(L"A", L"a", L"", path) + Read(L"A", L"b", L"", path) + Read(L"A", L"c", L"", path), L"123");
  }
  EXPECT_TRUE(platform::SaveIniFiles());
  EXPECT_EQ(platform::GetIniStats().writes, before.writes + 1);
  EXPECT_EQ(platform::GetIniStats().parses, before.parses + 1);
  EXPECT_EQ(Bytes("shared/real.ini"), "[A]\nx=1\na=1\nb=2\nc=3\n");
  struct stat info {};
  ASSERT_EQ(lstat("link.ini", &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  ASSERT_EQ(lstat("linked", &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
}

// A file written in place (another user's, in a sticky folder) whose last
// section goes is saved empty.
TEST_F(IniFile, AFileWrittenInPlaceMayBeEmptied) {
  if (geteuid() != 0) GTEST_SKIP() << "only root can give files to another user";
  ASSERT_EQ(chmod(".", 0755), 0);
  ASSERT_EQ(mkdir("shared", 0777), 0);
  ASSERT_EQ(chmod("shared", 01777), 0);
  Put("shared/test.ini", "[A]\nx=1\n");
  ASSERT_EQ(chmod("shared/test.ini", 0666), 0);
  const ino_t before = Inode("shared/test.ini");
  const int status = InChild(true, [] {
    if (!WritePrivateProfileString(L"A", nullptr, nullptr, L"shared\\test.ini")) return 3;
    if (!platform::SaveIniFiles()) return 4;
    return platform::IniSaveFailures().empty() ? 0 : 5;
  });
  EXPECT_EQ(status, 0) << "2: no ordinary user, 3: refused, 4: not saved, 5: a failure noted";
  EXPECT_EQ(Bytes("shared/test.ini"), "");
  EXPECT_EQ(Inode("shared/test.ini"), before);
}

// Fills the disk of `file`'s folder: writes `file` until no byte more fits.
bool FillDisk(const std::string& file) {
  const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  static constexpr char kBlock[1024] = {};
  for (size_t size = sizeof kBlock; size > 0; size /= 2) {
    while (write(fd, kBlock, size) == static_cast<ssize_t>(size)) {
    }
  }
  const bool full = errno == ENOSPC;
  close(fd);
  return full;
}

// Makes a small ext2 disk image (1 MiB, mkfs.ext2 `options` more) and mounts
// it on the folder "disk", in a mount table of this process's own, which goes
// with it (so: in a child process). False where that cannot be done (root,
// mkfs.ext2 and a loop device are needed).
bool MountExt2Disk(const std::string& options) {
  if (mkdir("disk", 0777) != 0) return false;
  const int image = open("disk.img", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const bool sized = image >= 0 && ftruncate(image, 1 << 20) == 0;
  if (image >= 0) close(image);
  return sized && std::system(("mkfs.ext2 -q -F -b 1024 " + options + " disk.img >/dev/null 2>&1").c_str()) == 0 &&
         unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
         std::system("mount -o loop -t ext2 disk.img disk >/dev/null 2>&1") == 0;
}

// On a file system without fallocate (ext2, a small disk image mounted in a
// child process with a mount table of its own) the room for the new text is
// still taken at the write. The spare is lengthened with zeros: a disk that
// fills up after the write leaves the save whole, and one already full
// refuses the write. A file written in place (mounted over itself) is
// lengthened with zeros past its end before it is written over: a disk that
// fills up after the write fails the save and leaves the file as it was,
// and one already full refuses the write.
TEST_F(IniFile, WithoutFallocateAFullDiskLeavesTheFileWhole) {
  const int status = InChild(false, [] {
    if (!MountExt2Disk("")) return 2;
    // Longer than a page, so that a write over it could change its first
    // page before it ran out of room; the long value goes into the first key.
    std::string keys = "[A]\n";
    for (int i = 0; i < 400; ++i) keys += "key" + std::to_string(i) + "=" + std::to_string(i * 7) + "\n";
    Put("disk/spare.ini", keys);
    Put("disk/inplace.ini", keys);
    if (mount("disk/inplace.ini", "disk/inplace.ini", nullptr, MS_BIND, nullptr) != 0) return 2;
    const int probe = open("disk/spare.ini", O_WRONLY | O_CLOEXEC);
    const bool noFallocate = fallocate(probe, FALLOC_FL_KEEP_SIZE, 0, 4096) != 0 && errno == EOPNOTSUPP;
    close(probe);
    if (!noFallocate) return 6;
    const std::wstring longValue(6000, L'v');
    for (const wchar_t* path : {L"disk\\spare.ini", L"disk\\inplace.ini"}) {
      const bool inPlace = path[5] == L'i';
      // With room, the file grows as usual.
      if (!Write(L"A", L"key1", L"lengthened", path)) return 9;
      keys = Bytes(platform::ResolvePath(path));
      if (keys.find("key1=lengthened\n") == std::string::npos) return 9;
      if (!WritePrivateProfileString(L"A", L"key0", longValue.c_str(), path)) return 3;
      if (!FillDisk("disk/filler")) return 7;
      if (platform::SaveIniFiles() == inPlace) return 4;
      const std::string saved = Bytes(platform::ResolvePath(path));
      if ((saved == keys) != inPlace) return 5;
      if (WritePrivateProfileString(L"A", L"longer", (longValue + longValue).c_str(), path)) return 8;
      if (Bytes(platform::ResolvePath(path)) != saved) return 5;
      unlink("disk/filler");
    }
    return 0;
  });
  if (status == 2) GTEST_SKIP() << "no ext2 disk image can be mounted here (root, mkfs.ext2 and a loop device)";
  EXPECT_EQ(status, 0) << "3: refused, 4: the save's outcome, 5: the file changed, 6: fallocate works on ext2, "
                          "7: the disk did not fill, 8: a write with no room accepted, 9: a save with room refused";
}

// On a file system that keeps whole seconds (ext2 with 128-byte inodes), two
// processes' saves within one second are seen by each other, though they
// leave the file's time, size and even inode as a stamp held of it (the other
// process's save brings back, through its spare, the file this one saved).
// The steps start early in a second, so that they all fall within it.
TEST_F(IniFile, SavesWithinOneSecondOnAFileSystemOfWholeSecondsAreSeen) {
  const int status = InChild(false, [] {
    if (!MountExt2Disk("-I 128")) return 2;
    Put("disk/test.ini", "[A]\n");
    const wchar_t* path = L"disk\\test.ini";
    Process other(false, {[path] { return Write(L"A", L"b", L"2", path) ? 0 : 1; },
                          [path] { return Write(L"A", L"a", nullptr, path) ? 0 : 1; }});
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    if (now.tv_nsec > 700'000'000 || now.tv_nsec < 30'000'000) {
      const long waitNs = (1'030'000'000 - now.tv_nsec) % 1'000'000'000;
      const timespec wait{0, waitNs};
      nanosleep(&wait, nullptr);
    }
    if (!Write(L"A", L"a", L"1", path) || other.step() != 0 || other.step() != 0) return 3;
    struct stat info {};
    if (stat("disk/test.ini", &info) != 0 || info.st_mtim.tv_nsec != 0) return 6;
    if (Read(L"A", L"b", L"", path) != L"2") return 4;
    if (!Write(L"A", L"c", L"3", path)) return 3;
    return Bytes("disk/test.ini") == "[A]\nb=2\nc=3\n" && other.exit() == 0 ? 0 : 5;
  });
  if (status == 2) GTEST_SKIP() << "no ext2 disk image can be mounted here (root, mkfs.ext2 and a loop device)";
  EXPECT_EQ(status, 0) << "3: a write refused, 4: a stale read, 5: a key lost, 6: the time has nanoseconds";
}

// The access-control list of a file (POSIX ACL) as the system keeps it in
// the file's extended attributes: a version, then one entry a line of tag,
// permission bits and user or group (all little-endian).
struct AccessEntry {
  uint16_t tag;
  uint16_t permissions;
  uint32_t id;
};
std::string AccessList(const std::vector<AccessEntry>& entries) {
  std::string list;
  auto put = [&list](uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) list += static_cast<char>(value >> (8 * i));
  };
  put(2, 4);
  for (const AccessEntry& entry : entries) {
    put(entry.tag, 2);
    put(entry.permissions, 2);
    put(entry.id, 4);
  }
  return list;
}

std::string AccessListOf(const std::string& file) {
  std::string list(1024, '\0');
  const ssize_t size = getxattr(file.c_str(), "system.posix_acl_access", list.data(), list.size());
  list.resize(size < 0 ? 0 : static_cast<size_t>(size));
  return list;
}

// A save through the spare keeps the file's access-control list, its user
// attributes (user.*), its owner and group (another user's, as root) and its
// permissions, as Windows keeps them. A file without a list or an attribute
// gets none from the spare (which, after a save, is the previous file, with
// its list and attributes).
TEST_F(IniFile, SavesKeepTheFilesAccessListAttributesAndOwner) {
  Put("test.ini", "[A]\nx=1\n");
  constexpr uint32_t kNone = 0xFFFFFFFF;
  // user::rw-, users 1000 to 1039 rw- (a list longer than a first guess of
  // its size), group::r--, mask::rw-, other::r--.
  std::vector<AccessEntry> entries = {{0x01, 6, kNone}};
  for (uint32_t user = 1000; user < 1040; ++user) entries.push_back({0x02, 6, user});
  entries.insert(entries.end(), {{0x04, 4, kNone}, {0x10, 6, kNone}, {0x20, 4, kNone}});
  const std::string list = AccessList(entries);
  if (setxattr("test.ini", "system.posix_acl_access", list.data(), list.size(), 0) != 0 ||
      setxattr("test.ini", "user.origin", "hangar", 6, 0) != 0 || setxattr("test.ini", "user.tag", "", 0, 0) != 0) {
    GTEST_SKIP() << "no access-control lists or user attributes here: " << std::strerror(errno);
  }
  auto attribute = [](const char* name) {
    char value[16] = {};
    const ssize_t size = getxattr("test.ini", name, value, sizeof value);
    return size < 0 ? std::string("none") : std::string(value, static_cast<size_t>(size));
  };
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chown("test.ini", kNobody, kNobody), 0);
  }
  struct stat before {};
  ASSERT_EQ(stat("test.ini", &before), 0);
  // Twice: the second save's spare is the file the first replaced.
  for (const wchar_t* value : {L"2", L"3"}) {
    EXPECT_TRUE(Write(L"A", L"x", value));
    EXPECT_EQ(Bytes("test.ini"), "[A]\nx=" + platform::Narrow(value) + "\n");
    EXPECT_EQ(AccessListOf("test.ini"), list);
    EXPECT_EQ(attribute("user.origin"), "hangar");
    EXPECT_EQ(attribute("user.tag"), "");
    struct stat after {};
    ASSERT_EQ(stat("test.ini", &after), 0);
    EXPECT_EQ(after.st_ino != before.st_ino, *value == L'2') << "replaced through the spare";
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
  }

  ASSERT_EQ(removexattr("test.ini", "system.posix_acl_access"), 0);
  ASSERT_EQ(removexattr("test.ini", "user.origin"), 0);
  EXPECT_TRUE(Write(L"A", L"x", L"4"));
  EXPECT_EQ(Bytes("test.ini"), "[A]\nx=4\n");
  EXPECT_EQ(AccessListOf("test.ini"), "");
  EXPECT_EQ(attribute("user.origin"), "none");
  EXPECT_EQ(attribute("user.tag"), "");
}

TEST_F(IniFile, ReadsUseTheCacheAndSeeChangesMadeByOthers) {
  Put("test.ini", "[A]\nx=1\n");
  const uint64_t parsesBefore = platform::GetIniStats().parses;
  for (int i = 0; i < 100; ++i) EXPECT_EQ(Read(L"A", L"x"), L"1");
  EXPECT_EQ(platform::GetIniStats().parses - parsesBefore, 1u);

  // Another program rewrites the file at once, with the same size: seen.
  Put("test.ini", "[A]\nx=2\n");
  EXPECT_EQ(Read(L"A", L"x"), L"2");

  // ... and with its time stamp set back to what it was, as on a file system
  // whose clock ticks coarsely: the bytes are compared while the time is
  // close to when the copy was taken. A run stalled past the margin proves
  // nothing and is tried again.
  for (int attempt = 0; attempt < 5; ++attempt) {
    Put("test.ini", "[A]\nx=3\n");
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const timespec stamp[2] = {now, now};
    ASSERT_EQ(utimensat(AT_FDCWD, "test.ini", stamp, 0), 0);
    ASSERT_EQ(Read(L"A", L"x"), L"3");
    Put("test.ini", "[A]\nx=5\n");
    ASSERT_EQ(utimensat(AT_FDCWD, "test.ini", stamp, 0), 0);
    const std::wstring seen = Read(L"A", L"x");
    timespec after{};
    clock_gettime(CLOCK_REALTIME, &after);
    const double elapsedMs = (after.tv_sec - now.tv_sec) * 1e3 + (after.tv_nsec - now.tv_nsec) / 1e6;
    if (elapsedMs > 15.0) continue;
    EXPECT_EQ(seen, L"5");
    break;
  }

  // ... with a different size, and with an old time stamp set back on purpose.
  Put("test.ini", "[A]\nx=three\n");
  const timespec longAgo[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, "test.ini", longAgo, 0), 0);
  EXPECT_EQ(Read(L"A", L"x"), L"three");
  Put("test.ini", "[A]\nx=4\n");
  EXPECT_EQ(Read(L"A", L"x"), L"4");

  // Our own writes update the cached copy without reading the file again.
  const uint64_t parsesBeforeWrites = platform::GetIniStats().parses;
  EXPECT_TRUE(Write(L"A", L"y", L"5"));
  EXPECT_TRUE(Write(L"B", L"z", L"6"));
  EXPECT_EQ(Read(L"A", L"y"), L"5");
  EXPECT_EQ(Read(L"B", L"z"), L"6");
  EXPECT_EQ(platform::GetIniStats().parses, parsesBeforeWrites);

  // The file removed behind our back: defaults again.
  ASSERT_EQ(unlink("test.ini"), 0);
  EXPECT_EQ(Read(L"A", L"x"), L"default");
}

TEST_F(IniFile, ShutDownSaveOfSeventySectionsParsesTheFileOnceAndReplacesItOnce) {
  const platform::IniStats before = platform::GetIniStats();
  wchar_t section[16];
  wchar_t key[16];
  wchar_t value[16];
  for (int s = 0; s < 70; ++s) {
    for (int k = 0; k < 10; ++k) {
      std::swprintf(section, 16, L"SLOT%02d", s);
      std::swprintf(key, 16, L"key%d", k);
      std::swprintf(value, 16, L"%d", s * 10 + k);
      ASSERT_TRUE(WritePrivateProfileString(section, key, value, L"test.ini"));
    }
  }
  ASSERT_TRUE(platform::SaveIniFiles());
  EXPECT_EQ(platform::GetIniStats().parses, before.parses);
  EXPECT_EQ(platform::GetIniStats().writes, before.writes + 1);
  EXPECT_EQ(Read(L"slot69", L"KEY9"), L"699");
  EXPECT_EQ(Read(L"SLOT00", L"key0"), L"0");

  // Read back from disk, the file says the same.
  platform::ClearIniCache();
  EXPECT_EQ(Read(L"SLOT35", L"key4"), L"354");
  EXPECT_EQ(platform::GetIniStats().parses, before.parses + 1);
}

}  // namespace
