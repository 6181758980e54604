#include "ide/file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "ide/memory_file_system.h"
#include "platform/temp_folder.h"

using ScopedFolder = zori_test::TempFolder;

TEST(RealFileSystemTest, WritesReplaceFilesWholeAndKeepTheirPermissions) {
  ScopedFolder folder;
  ide::RealFileSystem disk;
  std::string err, contents;
  const std::string unit = folder.Path("Unit1.pas");
  EXPECT_FALSE(disk.FileExists(unit));
  EXPECT_EQ(disk.Stamp(unit), -1);
  ASSERT_TRUE(disk.WriteFile(unit, "unit Unit1;\r\n", &err)) << err;
  ASSERT_TRUE(disk.ReadFile(unit, &contents, &err));
  EXPECT_EQ(contents, "unit Unit1;\r\n");
  int64_t first = disk.Stamp(unit);
  EXPECT_GT(first, 0);

  ::chmod(unit.c_str(), 0600);
  ASSERT_TRUE(disk.WriteFile(unit, "unit Unit1;\r\ninterface\r\n", &err)) << err;
  ASSERT_TRUE(disk.ReadFile(unit, &contents, &err));
  EXPECT_EQ(contents, "unit Unit1;\r\ninterface\r\n");
  struct stat st {};
  ::stat(unit.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_GE(disk.Stamp(unit), first);

  ASSERT_TRUE(disk.WriteFile(folder.Path("Unit1.dfm"), "object F: TF\r\nend\r\n", &err));
  std::vector<std::string> names;
  ASSERT_TRUE(disk.ListFolder(folder.Path(""), &names, &err));
  EXPECT_EQ(names, (std::vector<std::string>{"Unit1.dfm", "Unit1.pas"}));
}

TEST(RealFileSystemTest, FailedWritesAndReadsReportThePathAndLeaveNoTrace) {
  ScopedFolder folder;
  ide::RealFileSystem disk;
  std::string err, contents;
  // A folder where the file should go: the rename fails, the temporary file is removed.
  std::filesystem::create_directory(folder.Path("Unit1.pas"));
  EXPECT_FALSE(disk.WriteFile(folder.Path("Unit1.pas"), "text", &err));
  EXPECT_EQ(err, folder.Path("Unit1.pas: Is a directory"));
  std::vector<std::string> names;
  ASSERT_TRUE(disk.ListFolder(folder.Path(""), &names, &err));
  EXPECT_EQ(names, std::vector<std::string>{"Unit1.pas"});

  EXPECT_FALSE(disk.WriteFile(folder.Path("missing/Unit2.pas"), "text", &err));
  EXPECT_EQ(err, folder.Path("missing/Unit2.pas: No such file or directory"));
  EXPECT_FALSE(disk.ReadFile(folder.Path("Unit3.pas"), &contents, &err));
  EXPECT_EQ(err, folder.Path("Unit3.pas: No such file or directory"));
  EXPECT_FALSE(disk.ReadFile(folder.Path("Unit1.pas"), &contents, &err));
  EXPECT_EQ(err, folder.Path("Unit1.pas: not a regular file"));
  EXPECT_FALSE(disk.ListFolder(folder.Path("nowhere"), &names, &err));
}

namespace {

// The disk with one step made to fail, as a full disk or a failing device would.
class FaultyDisk : public ide::RealFileSystem {
 public:
  std::string fail_rename_to;  // renaming a new file over this path fails
  bool disk_full = false;      // writing any new file fails

 protected:
  int WriteTemporary(const std::string& target, const std::string& contents,
                     std::string* temp) override {
    return disk_full ? ENOSPC : RealFileSystem::WriteTemporary(target, contents, temp);
  }
  int Rename(const std::string& from, const std::string& to) override {
    return to == fail_rename_to ? EIO : RealFileSystem::Rename(from, to);
  }
};

}  // namespace

TEST(RealFileSystemTest, FilesWrittenTogetherLandTogetherOrNotAtAll) {
  ScopedFolder folder;
  FaultyDisk disk;
  std::string err, contents;
  const std::string dfm = folder.Path("Unit1.dfm");
  const std::string pas = folder.Path("Unit1.pas");
  ASSERT_TRUE(disk.WriteFiles({{dfm, "old form"}, {pas, "old unit"}}, &err)) << err;

  disk.fail_rename_to = pas;  // the form is already in place when the unit fails
  EXPECT_FALSE(disk.WriteFiles({{dfm, "new form"}, {pas, "new unit"}}, &err));
  EXPECT_EQ(err, pas + ": Input/output error");
  disk.disk_full = true;
  disk.fail_rename_to.clear();
  EXPECT_FALSE(disk.WriteFiles({{dfm, "new form"}, {pas, "new unit"}}, &err));
  EXPECT_EQ(err, dfm + ": No space left on device");
  ASSERT_TRUE(disk.ReadFile(dfm, &contents, &err));
  EXPECT_EQ(contents, "old form");
  ASSERT_TRUE(disk.ReadFile(pas, &contents, &err));
  EXPECT_EQ(contents, "old unit");
  std::vector<std::string> names;
  ASSERT_TRUE(disk.ListFolder(folder.Path(""), &names, &err));
  EXPECT_EQ(names, (std::vector<std::string>{"Unit1.dfm", "Unit1.pas"}));

  // A link to a unit elsewhere is written through: the unit changes, the link stays a link.
  disk.disk_full = false;
  std::filesystem::create_directory(folder.Path("shared"));
  ASSERT_TRUE(disk.WriteFile(folder.Path("shared/Common.pas"), "old common", &err));
  std::filesystem::create_symlink("shared/Common.pas", folder.Path("Common.pas"));
  ASSERT_TRUE(disk.WriteFile(folder.Path("Common.pas"), "new common", &err)) << err;
  EXPECT_TRUE(std::filesystem::is_symlink(folder.Path("Common.pas")));
  ASSERT_TRUE(disk.ReadFile(folder.Path("shared/Common.pas"), &contents, &err));
  EXPECT_EQ(contents, "new common");

  // Temporaries of a process killed in the middle of a write go with the next write.
  { std::ofstream(folder.Path(".Unit1.pas.~999999999.abc123")) << "half"; }
  ASSERT_TRUE(disk.WriteFile(pas, "newer unit", &err));
  ASSERT_TRUE(disk.ListFolder(folder.Path(""), &names, &err));
  EXPECT_EQ(names, (std::vector<std::string>{"Common.pas", "Unit1.dfm", "Unit1.pas", "shared"}));
}
