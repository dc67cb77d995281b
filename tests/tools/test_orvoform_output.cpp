// What `orvoform render -o OUT` does to whatever stands at OUT: a regular
// file is replaced whole, a symbolic link is written through, and a
// directory, device, FIFO or socket is refused (status 2) and left as it was;
// no temporary file is ever left beside it.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "orvoform_run.h"

namespace {

const char* const kSmallForm = R"(object Form1: TForm
  BorderStyle = bsNone
  ClientWidth = 16
  ClientHeight = 8
  Color = clRed
end
)";

std::string Local(const QDir& dir, const char* name) { return dir.filePath(QString::fromLatin1(name)).toStdString(); }

struct stat Lstat(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) st.st_mode = 0;
    return st;
}

bool IsPng(const std::string& path) { return QImage(QString::fromStdString(path)).size() == QSize(16, 8); }

std::string Content(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("(unreadable)");
}

void WriteText(const std::string& path, const char* text) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// A socket bound at `path`; its descriptor is closed, the node stays.
void MakeSocket(const std::string& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof address.sun_path);
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    ASSERT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0) << std::strerror(errno);
    close(fd);
}

struct TOutputCase {
    const char* Name;
    std::function<bool(const QDir&)> Make;  // false: this machine cannot make it (skipped)
    int Status;
    const char* Message;                    // a part of standard error when refused
    std::function<void(const QDir&)> Check;  // what stands afterwards
};

void PrintTo(const TOutputCase& c, std::ostream* out) { *out << c.Name; }

const TOutputCase kCases[] = {
    {"NewFile", [](const QDir&) { return true; }, 0, "",
     [](const QDir& d) { EXPECT_TRUE(IsPng(Local(d, "out.png"))); }},
    {"RegularFileIsReplacedKeepingItsPermissions",
     [](const QDir& d) {
         WriteText(Local(d, "out.png"), "old");
         return chmod(Local(d, "out.png").c_str(), 0640) == 0;
     },
     0, "",
     [](const QDir& d) {
         EXPECT_TRUE(IsPng(Local(d, "out.png")));
         EXPECT_EQ(Lstat(Local(d, "out.png")).st_mode & 07777, 0640u);
     }},
    {"Directory", [](const QDir& d) { return d.mkdir(QStringLiteral("out.png")); }, 2, "it is a directory",
     [](const QDir& d) {
         EXPECT_TRUE(S_ISDIR(Lstat(Local(d, "out.png")).st_mode));
         EXPECT_TRUE(QDir(d.filePath(QStringLiteral("out.png"))).isEmpty());
     }},
    {"Fifo", [](const QDir& d) { return mkfifo(Local(d, "out.png").c_str(), 0600) == 0; }, 2, "it is a FIFO",
     [](const QDir& d) { EXPECT_TRUE(S_ISFIFO(Lstat(Local(d, "out.png")).st_mode)); }},
    {"Socket",
     [](const QDir& d) {
         MakeSocket(Local(d, "out.png"));
         return true;
     },
     2, "it is a socket", [](const QDir& d) { EXPECT_TRUE(S_ISSOCK(Lstat(Local(d, "out.png")).st_mode)); }},
    // The null device's own numbers, made where the test may make devices.
    {"Device", [](const QDir& d) { return mknod(Local(d, "out.png").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0; }, 2,
     "it is a device",
     [](const QDir& d) {
         const struct stat st = Lstat(Local(d, "out.png"));
         EXPECT_TRUE(S_ISCHR(st.st_mode));
         EXPECT_EQ(st.st_rdev, makedev(1, 3));
     }},
    {"LinkToARegularFileIsWrittenThrough",
     [](const QDir& d) {
         WriteText(Local(d, "target.png"), "old");
         return symlink("target.png", Local(d, "out.png").c_str()) == 0;
     },
     0, "",
     [](const QDir& d) {
         EXPECT_TRUE(S_ISLNK(Lstat(Local(d, "out.png")).st_mode));
         EXPECT_TRUE(IsPng(Local(d, "target.png")));
     }},
    {"LinkToNothingYetMakesItsTarget",
     [](const QDir& d) {
         return d.mkdir(QStringLiteral("sub")) && symlink("sub/target.png", Local(d, "out.png").c_str()) == 0;
     },
     0, "",
     [](const QDir& d) {
         EXPECT_TRUE(S_ISLNK(Lstat(Local(d, "out.png")).st_mode));
         EXPECT_TRUE(IsPng(Local(d, "sub/target.png")));
         EXPECT_EQ(QDir(d.filePath(QStringLiteral("sub"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                   QStringList{QStringLiteral("target.png")});
     }},
    {"LinkToADirectory",
     [](const QDir& d) { return d.mkdir(QStringLiteral("sub")) && symlink("sub", Local(d, "out.png").c_str()) == 0; }, 2,
     "it is a directory", [](const QDir& d) { EXPECT_TRUE(S_ISLNK(Lstat(Local(d, "out.png")).st_mode)); }},
    {"LinkToAFifo",
     [](const QDir& d) {
         return mkfifo(Local(d, "pipe").c_str(), 0600) == 0 && symlink("pipe", Local(d, "out.png").c_str()) == 0;
     },
     2, "it is a FIFO", [](const QDir& d) { EXPECT_TRUE(S_ISFIFO(Lstat(Local(d, "pipe")).st_mode)); }},
    {"LinkToItself", [](const QDir& d) { return symlink("out.png", Local(d, "out.png").c_str()) == 0; }, 2,
     "Too many levels of symbolic links", [](const QDir& d) { EXPECT_TRUE(S_ISLNK(Lstat(Local(d, "out.png")).st_mode)); }},
    // A link planted where a predictable temporary name would be is never
    // followed: the file it leads to keeps its content.
    {"PlantedLinkBesideTheOutput",
     [](const QDir& d) {
         WriteText(Local(d, "victim"), "precious");
         return symlink("victim", Local(d, "out.png.partial").c_str()) == 0 &&
                symlink("victim", Local(d, "out.png.tmp").c_str()) == 0;
     },
     0, "",
     [](const QDir& d) {
         EXPECT_TRUE(IsPng(Local(d, "out.png")));
         EXPECT_EQ(Content(Local(d, "victim")), "precious");
         EXPECT_TRUE(S_ISLNK(Lstat(Local(d, "out.png.partial")).st_mode));
     }},
};

class OrvoformOutput : public ::testing::TestWithParam<TOutputCase> {};

TEST_P(OrvoformOutput, NeverHarmsWhatStandsAtThePath) {
    const TOutputCase& c = GetParam();
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QDir dir(scratch.path());
    const QString form = dir.filePath(QStringLiteral("small.form"));
    WriteText(form.toStdString(), kSmallForm);
    if (!c.Make(dir)) GTEST_SKIP() << c.Name << " cannot be made here: " << std::strerror(errno);
    const QStringList before = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);

    const TToolRun run = RunTool({QStringLiteral("render"), form, QStringLiteral("-o"), dir.filePath(QStringLiteral("out.png"))});
    EXPECT_EQ(run.Status, c.Status) << run.Err;
    if (c.Status != 0) {
        EXPECT_EQ(run.Err.rfind("orvoform: cannot write " + Local(dir, "out.png") + ": ", 0), 0u) << run.Err;
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
    }
    c.Check(dir);
    // Nothing more than before stands in the directory (a new file only at
    // out.png or where its link leads).
    QStringList after = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    after.removeAll(QStringLiteral("out.png"));
    after.removeAll(QStringLiteral("target.png"));
    QStringList expected = before;
    expected.removeAll(QStringLiteral("out.png"));
    expected.removeAll(QStringLiteral("target.png"));
    EXPECT_EQ(after, expected);
}

INSTANTIATE_TEST_SUITE_P(Paths, OrvoformOutput, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<TOutputCase>& info) { return std::string(info.param.Name); });

}  // namespace
