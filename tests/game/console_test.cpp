// The console's parts that no scripted game reaches: the edges of the
// screen grid, the typed line's echo, the terminal's colours and clicks,
// where a cue is found and how the sound player plays it.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "console/cue_file.h"
#include "console/screen_buffer.h"
#include "console/sound_player.h"
#include "console/terminal_colors.h"
#include "console/terminal_mouse.h"
#include "console/typed_line.h"
#include "test_support.h"

namespace bdvx::test {
namespace {

namespace fs = std::filesystem;

std::pair<int, int> Cursor(const ScreenBuffer& s) { return {s.cursorRow(), s.cursorCol()}; }

TEST(ScreenBuffer, EdgesOfTheGrid) {
  ScreenBuffer s;
  s.setColor(1, 11);
  s.clear();
  s.locate(5, 75);
  s.skipColumns(10);  // past column 80: the next row, at the column left over
  EXPECT_EQ(Cursor(s), std::pair(6, 5));
  s.locate(5, 70);
  s.skipColumns(10);
  EXPECT_EQ(Cursor(s), std::pair(5, 80));
  s.locate(24, 79);
  s.print("ab\x1b" "c");  // wraps on the bottom row, which never scrolls
  EXPECT_EQ(s.rowText(24).substr(0, 2) + s.rowText(24).substr(78), "?cab");
  s.newLine();
  EXPECT_EQ(Cursor(s), std::pair(24, 1));
  s.locate(2, 1);
  s.print("second");
  s.locate(3, 1);
  s.print("third");
  s.setColor(4, 2);
  s.locate(9, 9);
  s.scrollUp(2, 3);  // row 3 moves up, row 3 is blanked in the current pair
  EXPECT_EQ(s.rowText(2).substr(0, 6), "third ");
  EXPECT_EQ(s.rowText(3), std::string(80, ' '));
  EXPECT_EQ(s.cell(3, 80), (Cell{' ', 4, 2}));
  EXPECT_EQ(s.cell(2, 1), (Cell{'t', 1, 11}));
  EXPECT_EQ(Cursor(s), std::pair(9, 9));
  s.clear();
  EXPECT_EQ(s.cell(24, 80), (Cell{' ', 4, 2}));
  EXPECT_EQ(Cursor(s), std::pair(1, 1));
}

// Keys typed from a column: what the row shows and the line holds after.
TEST(TypedLine, EchoStaysOnItsRow) {
  const struct {
    int col;
    std::string keys;  // \b Backspace, \t a key that is no character
    std::string shown, text;
    int cursorCol;
  } cases[] = {
      {10, "wp\tx\b 7", "wp 7", "wp 7", 14},
      {3, "\b\bok", "ok", "ok", 5},       // Backspace on nothing keeps what stands before
      {77, "ABCDEF\bZ", "ABCZ", "ABCZ", 81},  // no echo past column 80
  };
  for (const auto& c : cases) {
    ScreenBuffer s;
    s.setColor(1, 11);
    s.locate(24, 1);
    s.print(std::string(c.col - 1, '>'));
    TypedLine line(s);
    for (char key : c.keys) EXPECT_FALSE(line.key(key == '\b' ? kKeyBackspace : key));
    EXPECT_TRUE(line.key(kKeyEnter));
    EXPECT_EQ(s.rowText(24), std::string(c.col - 1, '>') + c.shown +
                                 std::string(81 - c.col - c.shown.size(), ' '));
    EXPECT_EQ(s.rowText(23), std::string(80, ' '));
    EXPECT_EQ(std::tuple(line.text(), s.cursorRow(), s.cursorCol()),
              std::tuple(c.text, 24, c.cursorCol));
    line.discard();
    EXPECT_EQ(s.rowText(24), std::string(c.col - 1, '>') + std::string(81 - c.col, ' '));
    EXPECT_EQ(s.cursorCol(), c.col);
  }
}

// Console colours 0-15 on terminals of 8, 16 and 256 colours: curses
// numbers trade blue with red and cyan with brown; bright colours need 16,
// else bright text is bold and a bright background its dark twin.
TEST(Terminal, ColoursAndClicks) {
  const short curses[8] = {0, 4, 2, 6, 1, 5, 3, 7};
  for (int colour = 0; colour < 16; ++colour) {
    const short dark = curses[colour & 7];
    const bool bright = colour >= 8;
    for (int colours : {8, 16, 256}) {
      for (bool background : {false, true}) {
        const TerminalColor want = !bright            ? TerminalColor{dark, false}
                                   : colours >= 16    ? TerminalColor{short(dark + 8), false}
                                                      : TerminalColor{dark, !background};
        EXPECT_EQ(MapConsoleColor(colour, colours, background), want)
            << colour << " on " << colours << (background ? " as background" : "");
      }
    }
  }
  // Only a left press while the right button is up is a click.
  ClickFilter filter;
  const struct { bool left, right, rightUp, click; } reports[] = {
      {true, false, false, true},  {false, false, false, false}, {false, true, false, false},
      {true, false, false, false}, {false, false, true, false},  {true, false, false, true},
      {true, true, false, false},  {false, false, true, false},  {true, false, false, true}};
  for (const auto& r : reports) {
    EXPECT_EQ(filter.report(r.left, r.right, r.rightUp), r.click) << &r - reports;
  }
  // Terminal cells from 0 are game cells from 1, inside 80 x 24 only.
  const struct { int x, y; bool inside; int row, col; } cells[] = {
      {0, 0, true, 1, 1}, {79, 23, true, 24, 80}, {80, 5, false, 0, 0}, {5, 24, false, 0, 0},
      {-1, 0, false, 0, 0}};
  for (const auto& c : cells) {
    int row = 0, col = 0;
    EXPECT_EQ(ClickCell(c.x, c.y, row, col), c.inside) << c.x << "," << c.y;
    if (c.inside) {
      EXPECT_EQ(std::pair(row, col), std::pair(c.row, c.col));
    }
  }
}

// A cue is taken from wav/ of the working directory, else from the voices
// installed beside the program's folder, else it is the path as given.
TEST(Sound, CueFilesAreFoundWorkingDirectoryFirst) {
  const std::string cue = "wav/ENG/check.wav";
  for (const auto& [work, installed, found] :
       {std::tuple(true, true, "work"), std::tuple(false, true, "installed"),
        std::tuple(true, false, "work"), std::tuple(false, false, "none")}) {
    TempWorkDir dir;
    fs::create_directories("game/wav/ENG");
    fs::create_directories("prefix/bin");
    fs::create_directories("prefix/share/brandovex/wav/ENG");
    if (work) std::ofstream("game/" + cue) << "work";
    if (installed) std::ofstream("prefix/share/brandovex/" + cue) << "installed";
    fs::current_path("game");
    const std::string file = CueFile(cue, dir.path() / "prefix/bin");
    EXPECT_EQ(fs::exists(file) ? ReadFile(file) : "none", found);
    if (!work && !installed) {
      EXPECT_EQ(file, cue);
    }
  }
}

void PutLittleEndian(std::ostream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xff));
}

// A mono 16-bit WAV file of a quiet tone, seconds long, padded to a size.
void WriteTone(const std::string& path, double seconds, std::uintmax_t paddedTo = 0) {
  constexpr std::uint32_t kRate = 22050;
  const auto samples = static_cast<std::uint32_t>(seconds * kRate);
  std::ofstream out(path, std::ios::binary);
  out.write("RIFF", 4);
  PutLittleEndian(out, 36 + samples * 2, 4);
  out.write("WAVEfmt ", 8);
  for (const auto& [value, bytes] : {std::pair<std::uint32_t, int>{16, 4}, {1, 2}, {1, 2},
                                    {kRate, 4}, {kRate * 2, 4}, {2, 2}, {16, 2}}) {
    PutLittleEndian(out, value, bytes);
  }
  out.write("data", 4);
  PutLittleEndian(out, samples * 2, 4);
  for (std::uint32_t i = 0; i < samples; ++i) {
    const auto sample = static_cast<std::int16_t>(2000 * std::sin(i * 0.125));
    PutLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
  }
  out.close();
  if (paddedTo > 0) fs::resize_file(path, paddedTo);
}

// Bytes at an offset of a file replaced by a 32-bit number.
void Patch(const std::string& path, std::streamoff at, std::uint32_t value) {
  std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
  file.seekp(at);
  PutLittleEndian(file, value, 4);
}

// The peak memory of this process so far, in MB.
long PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

// Seconds that play takes.
double Seconds(const std::function<void()>& play) {
  const auto start = std::chrono::steady_clock::now();
  play();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// On SDL's dummy driver: a waited cue takes its whole length, not less and
// not much more, in small steps of the console's pause, also while another
// cue still plays, which it stops; a cue not waited for returns at once; a
// cue larger than 8 MB or longer than 15 seconds, or a file that is no
// honest WAV, rings the bell at once, decoding nothing; without a device
// every cue does.
TEST(Sound, WaitedCuesTakeTheirLengthAndOversizedOnesBeep) {
  TempWorkDir dir;
  WriteTone("half.wav", 0.5);
  WriteTone("long.wav", 14.5);
  WriteTone("overlong.wav", 15.5);
  WriteTone("oversized.wav", 0.3, 8 * 1024 * 1024 + 1);
  std::ofstream("broken.wav") << "not a wave file";
  // A second of FLAC, a tracker module of one empty pattern, 11 minutes at
  // 1000 samples a second whose byte rate says 0.3 seconds, a data chunk
  // that claims 2 GB.
  ASSERT_EQ(std::system("sox -n -r 8000 -c 1 -t flac flac.wav trim 0 1"), 0);
  std::string module(1084 + 1024, '\0');
  module[950] = 1;
  std::ofstream("module.wav", std::ios::binary) << module.replace(1080, 4, "M.K.");
  WriteTone("lying.wav", 30);
  Patch("lying.wav", 24, 1000);
  Patch("lying.wav", 28, 4000000);
  WriteTone("claims.wav", 0.5);
  Patch("claims.wav", 40, 0x7ffffff0);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  auto player = MakeSdlSoundPlayer();
  int pauses = 0;
  for (int round = 0; round < 2; ++round) {  // the first also opens the device
    const double waited = Seconds([&] { EXPECT_TRUE(player->play("half.wav", true)); });
    EXPECT_GE(waited, 0.5);
    EXPECT_LT(waited, 2.2);
    EXPECT_FALSE(player->playing());
    player->setPause([&](int ms) {
      ++pauses;
      std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    });
  }
  EXPECT_GE(pauses, 10);
  EXPECT_LT(Seconds([&] { EXPECT_TRUE(player->play("long.wav", false)); }), 0.3);
  EXPECT_TRUE(player->playing());
  const double waited = Seconds([&] { EXPECT_TRUE(player->play("half.wav", true)); });
  EXPECT_GE(waited, 0.5);
  EXPECT_LT(waited, 2.2);
  const long peak = PeakMegabytes();
  for (const char* refused : {"overlong.wav", "oversized.wav", "broken.wav", "missing.wav",
                              "flac.wav", "module.wav", "lying.wav", "claims.wav"}) {
    int bells = 0;
    EXPECT_LT(Seconds([&] { PlayCueOrBell(*player, refused, false, [&] { ++bells; }); }), 0.3);
    EXPECT_EQ(bells, 1) << refused;
  }
  EXPECT_LT(PeakMegabytes() - peak, 32);
  // The formats the mixer plays are played, others not: a tone's format tag
  // and channels, byte rate, and block size and bits changed.
  for (const auto& [format, byteRate, block, plays] :
       {std::tuple(0x10001u, 22050u, 0x80001u, true), std::tuple(0x10001u, 66150u, 0x180003u, true),
        std::tuple(0x10003u, 88200u, 0x200004u, true), std::tuple(0x10006u, 22050u, 0x80001u, true),
        std::tuple(0x20001u, 88200u, 0x100004u, true), std::tuple(0x10011u, 22050u, 0x40200u, false),
        std::tuple(0x10001u, 88200u, 0x100004u, false)}) {
    WriteTone("format.wav", 0.2);
    Patch("format.wav", 20, format);
    Patch("format.wav", 28, byteRate);
    Patch("format.wav", 32, block);
    EXPECT_EQ(player->play("format.wav", false), plays) << std::hex << format << " " << block;
  }
  // A mixer far ahead of the loudspeaker (SDL's disk driver into /dev/null,
  // 1 ms a buffer) is done at once: the wait still takes the cue's length.
  player.reset();
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
  setenv("SDL_DISKAUDIODELAY", "1", 1);
  player = MakeSdlSoundPlayer();
  const double ahead = Seconds([&] { EXPECT_TRUE(player->play("half.wav", true)); });
  EXPECT_GE(ahead, 0.5);
  player.reset();
  setenv("SDL_AUDIODRIVER", "nonexistent", 1);
  player = MakeSdlSoundPlayer();
  int bells = 0;
  EXPECT_LT(Seconds([&] {
              for (int i = 0; i < 3; ++i) PlayCueOrBell(*player, "half.wav", true, [&] { ++bells; });
            }),
            0.4);
  EXPECT_EQ(bells, 3);
}

// tools/make-voices.sh: every cue of every voiced folder a small mono WAV
// that the player plays, NON empty, the applause the same in every voice;
// without espeak-ng and sox it fails and marks nothing complete.
TEST(Sound, VoiceFoldersHoldEveryCue) {
  TempWorkDir dir;
  const std::string script = std::string(BRANDOVEX_SOURCE_DIR) + "/tools/make-voices.sh";
  ASSERT_EQ(std::system((script + " wav >log 2>&1").c_str()), 0) << ReadFile("log");
  EXPECT_TRUE(fs::exists("wav/.complete"));
  EXPECT_TRUE(fs::is_empty("wav/NON"));
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  auto player = MakeSdlSoundPlayer();
  for (const char* voice : {"ENG", "ENR", "ENW", "SPA", "SPW", "SFX"}) {
    for (const char* cue : {"splash", "RESIGN", "about", "goodbye", "awesome", "check", "CAPTURE",
                            "PAWN", "KNIGHT", "BISHOP", "ROOK", "QUEEN", "KING", "applause"}) {
      const std::string path = std::string("wav/") + voice + "/" + cue + ".wav";
      const std::string bytes = ReadFile(path);
      ASSERT_GT(bytes.size(), 44u) << path;
      // Mono, 22050 samples a second, 16 bits, under 300 kB.
      EXPECT_EQ(bytes.substr(22, 4) + bytes.substr(34, 2), std::string("\1\0\x22\x56\20\0", 6))
          << path;
      EXPECT_LT(bytes.size(), 300000u) << path;
      EXPECT_TRUE(player->play(path, false)) << path;
    }
  }
  EXPECT_EQ(ReadFile("wav/ENG/applause.wav"), ReadFile("wav/SPW/applause.wav"));
  EXPECT_NE(ReadFile("wav/ENG/check.wav"), ReadFile("wav/SPA/check.wav"));
  fs::remove_all("wav");
  EXPECT_NE(std::system(("PATH=/nonexistent /bin/bash " + script + " wav >log 2>&1").c_str()), 0);
  EXPECT_NE(ReadFile("log").find("espeak-ng"), std::string::npos);
  EXPECT_FALSE(fs::exists("wav/.complete"));
}

}  // namespace
}  // namespace bdvx::test
