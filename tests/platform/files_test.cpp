#include "platform/files.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>

#include "base/errors.h"
#include "base/utf8.h"
#include "support/temp_folder.h"

namespace {

WideString CreateFailure(const std::function<void()>& action) {
  try {
    action();
  } catch (const EFCreateError& e) {
    return e.Message();
  }
  return u"(no failure)";
}

WideString CannotCreate(const WideString& fileName, const char16_t* reason) {
  return u"TFileStreamW: Cannot create file \"" + fileName + u"\". " + reason;
}

// Runs `action` in a child process (for limits and identities the test process must keep) and
// returns the message it failed with, as UTF-8; "" when it did not fail.
std::string FailureInChild(const std::function<void()>& action) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return "(no pipe)";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeEnds[0]);
    try {
      action();
    } catch (const Exception& e) {
      const std::string message = e.what();
      (void)!::write(pipeEnds[1], message.data(), message.size());
    }
    ::_exit(0);
  }
  ::close(pipeEnds[1]);
  std::string message;
  char buffer[512];
  for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
    message.append(buffer, got);
  ::close(pipeEnds[0]);
  ::waitpid(child, nullptr, 0);
  return message;
}

// Root writes into read-only folders, so a root test drops to the unprivileged "nobody".
void ActAsUnprivileged() {
  if (::geteuid() != 0) return;
  if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(1);
}

}  // namespace

TEST(Files, FileExistsRejectsDirectoriesAndMissingNames) {
  TTempFolder folder;
  folder.WriteFile("bl\xC3\xBCte.txt", "x");
  folder.MakeFolder("sub");
  EXPECT_TRUE(FileExists(folder.NameOf("") + u"/bl\u00FCte.txt"));
  EXPECT_FALSE(FileExists(folder.NameOf("sub")));
  EXPECT_FALSE(FileExists(folder.NameOf("missing.txt")));
  EXPECT_EQ(SystemFileName(u"a/bl\u00FCte"), "a/bl\xC3\xBCte");
}

TEST(Files, ExpandFileNameResolvesRelativeNamesAndDotParts) {
  const WideString cwd = Utf8Decode(std::filesystem::current_path().string());
  EXPECT_EQ(ExpandFileName(u"a/./b/../c.txt"), cwd + u"/a/c.txt");
  EXPECT_EQ(ExpandFileName(u"/x//y/./z/"), u"/x/y/z/");
  EXPECT_EQ(ExpandFileName(u"/../.."), u"/");
  EXPECT_EQ(ExpandFileName(u"/a/b/.."), u"/a");
  EXPECT_EQ(ExpandFileName(u""), u"");
  EXPECT_EQ(SystemErrorText(ENOENT), u"No such file or directory");
}

TEST(Files, DeleteFileRemovesFilesOnly) {
  TTempFolder folder;
  folder.WriteFile("gone.txt", "x");
  folder.MakeFolder("sub");
  EXPECT_TRUE(DeleteFileW(folder.NameOf("gone.txt")));
  EXPECT_FALSE(DeleteFileW(folder.NameOf("gone.txt")));
  EXPECT_FALSE(DeleteFileW(folder.NameOf("sub")));
  EXPECT_EQ(folder.List(), std::vector<std::string>{"sub"});
}

TEST(WriteFileAtomically, ReplacesTheContentAndLeavesNoTemporaryFile) {
  TTempFolder folder;
  WriteFileAtomically(folder.NameOf("settings.ini"), "first");
  EXPECT_EQ(folder.ReadFile("settings.ini"), "first");
  WriteFileAtomically(folder.NameOf("settings.ini"), "second, longer");
  EXPECT_EQ(folder.ReadFile("settings.ini"), "second, longer");
  EXPECT_EQ(folder.List(), std::vector<std::string>{"settings.ini"});
  struct stat info;
  ASSERT_EQ(::stat(folder.PathOf("settings.ini").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0644u);
}

TEST(WriteFileAtomically, FailsWithTheCreateMessageAndLeavesTheFolderAsItWas) {
  TTempFolder folder;
  folder.MakeFolder("target");
  folder.WriteFile("target/inside.txt", "kept");
  const WideString target = folder.NameOf("target");
  EXPECT_EQ(CreateFailure([&] { WriteFileAtomically(target, "new"); }),
            CannotCreate(target, u"Is a directory"));
  EXPECT_EQ(folder.List(), std::vector<std::string>{"target"});
  EXPECT_EQ(folder.ReadFile("target/inside.txt"), "kept");

  const WideString nowhere = folder.NameOf("nowhere/settings.ini");
  EXPECT_EQ(CreateFailure([&] { WriteFileAtomically(nowhere, "new"); }),
            CannotCreate(nowhere, u"No such file or directory"));
}

TEST(WriteFileAtomically, KeepsTheOldFileWhenTheFolderIsReadOnly) {
  TTempFolder folder;
  ASSERT_EQ(::chmod(folder.Path().c_str(), 0755), 0);  // let an unprivileged child in
  folder.MakeFolder("locked");
  folder.WriteFile("locked/settings.ini", "old");
  ASSERT_EQ(::chmod(folder.PathOf("locked").c_str(), 0555), 0);
  const WideString target = folder.NameOf("locked/settings.ini");

  const std::string failure = FailureInChild([&] {
    ActAsUnprivileged();
    WriteFileAtomically(target, "new");
  });
  EXPECT_EQ(Utf8Decode(failure), CannotCreate(target, u"Permission denied"));
  EXPECT_EQ(folder.ReadFile("locked/settings.ini"), "old");
  EXPECT_EQ(folder.List("locked"), std::vector<std::string>{"settings.ini"});
}

TEST(WriteFileAtomically, KeepsTheOldFileAndRemovesTheTemporaryOneWhenWritingFails) {
  TTempFolder folder;
  folder.WriteFile("settings.ini", "old");
  const WideString target = folder.NameOf("settings.ini");

  // A file size limit makes the write stop part-way with EFBIG.
  const std::string failure = FailureInChild([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1000, 1000};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    WriteFileAtomically(target, std::string(5000, 'n'));
  });
  EXPECT_EQ(Utf8Decode(failure), CannotCreate(target, u"File too large"));
  EXPECT_EQ(folder.ReadFile("settings.ini"), "old");
  EXPECT_EQ(folder.List(), std::vector<std::string>{"settings.ini"});
}
