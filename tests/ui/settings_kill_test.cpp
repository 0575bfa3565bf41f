// A process saving the view settings is killed at random moments, a thousand times: settings.ini
// must always parse and hold one whole save, the old one or the new one, never a mix or a broken
// file.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include "containers/ini_file_w.h"
#include "containers/mem_ini_file_w.h"
#include "support/temp_folder.h"
#include "ui/settings_writer/written_settings.h"

namespace {

constexpr int kKills = 1000;
// Long enough for the writer to start and save a few times, short enough to catch it often
// in the middle of a save.
constexpr int kMaxLifeMicroseconds = 4000;

// Settings no save writes: a read that falls back to them found a key missing.
const TViewSettings kNeverWritten = {{-7, -7, -7}, true, true, {-7, -7, -7, -7, true}};
const TViewSettings kNeverWrittenEither = {{-8, -8, -8}, false, false, {-8, -8, -8, -8, false}};

pid_t StartWriter(const std::string& file) {
  const std::string program = SW_SETTINGS_WRITER;
  char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(file.c_str()), nullptr};
  pid_t pid = 0;
  EXPECT_EQ(posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ), 0);
  return pid;
}

void Kill(pid_t pid) {
  ::kill(pid, SIGKILL);
  int status = 0;
  ::waitpid(pid, &status, 0);
}

}  // namespace

TEST(SettingsKillTest, AKilledSaveLeavesTheOldSettingsOrTheNewOnesWhole) {
  TTempFolder folder;
  const std::string file = folder.PathOf("settings.ini");
  TIniFileW settings(folder.NameOf("settings.ini"));
  SaveViewSettings(settings, kWrittenSettings[1]);

  std::mt19937 random(14);
  std::uniform_int_distribution<int> life(0, kMaxLifeMicroseconds);
  int found[2] = {0, 0};
  for (int kill = 0; kill < kKills; ++kill) {
    const pid_t writer = StartWriter(file);
    ::usleep(static_cast<useconds_t>(life(random)));
    Kill(writer);

    const TMemIniFileW content(folder.NameOf("settings.ini"));
    const TViewSettings read = ReadViewSettings(content, kNeverWritten);
    ASSERT_EQ(read, ReadViewSettings(content, kNeverWrittenEither))
        << "a key is missing after kill " << kill << ":\n"
        << folder.ReadFile("settings.ini");
    const bool first = read == kWrittenSettings[0];
    ASSERT_TRUE(first || read == kWrittenSettings[1])
        << "a mix of two saves after kill " << kill << ":\n"
        << folder.ReadFile("settings.ini");
    ++found[first ? 0 : 1];
  }
  // Both outcomes occur, so the kills land while the writer is saving.
  EXPECT_GT(found[0], 0);
  EXPECT_GT(found[1], 0);
}
