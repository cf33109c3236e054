// Two stations (processes) on one data directory.
#include <sys/wait.h>
#include <unistd.h>

#include <set>

#include "manager_fixture.h"

namespace bv::test {
namespace {

// A one-byte signal between the two processes.
class Pipe {
 public:
  Pipe() { EXPECT_EQ(::pipe(fds_), 0); }
  ~Pipe() {
    ::close(fds_[0]);
    ::close(fds_[1]);
  }
  void signal() {
    const char c = 1;
    (void)!::write(fds_[1], &c, 1);
  }
  bool wait() {
    char c = 0;
    return ::read(fds_[0], &c, 1) == 1;
  }

 private:
  int fds_[2] = {-1, -1};
};

// Runs `body` in a child process on its own connection; the child's exit status
// is body's result.
template <typename Body>
pid_t runStation(Body body) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    int status = 1;
    try {
      status = body();
    } catch (...) {
    }
    ::_exit(status);
  }
  return pid;
}

int exitStatus(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
}

using TwoStations = ManagerTest;

// Inserts `count` numbered lines; answers how many failed.
int insertLineas(FileManager& lin, int count, const char* who) {
  int failed = 0;
  for (int i = 0; i < count; ++i) {
    lin.buffer().clear();
    lin.buffer().setText(2, QStringLiteral("%1 %2").arg(who).arg(i));
    if (lin.insert() != 0) ++failed;
  }
  return failed;
}

TEST_F(TwoStations, ConcurrentAutoNumberedInsertsGetDistinctNumbersAndLoseNoRow) {
  constexpr int kEach = 150;
  {
    FileManager& lin = managers["Linea"];
    ASSERT_EQ(lin.open(), 0);
    ASSERT_EQ(lin.use(), 0);  // the file exists before both start
    lin.close();
  }
  Pipe go;
  const pid_t child = runStation([&] {
    Station own(dir.path(), errors);
    FileManager& lin = own.managers["Linea"];
    if (lin.open() != 0 || lin.use() != 0) return 2;
    go.wait();
    const int failed = insertLineas(lin, kEach, "HIJO");
    lin.close();
    return failed == 0 ? 0 : 3;
  });
  FileManager& lin = managers["Linea"];
  ASSERT_EQ(lin.open(), 0);
  ASSERT_EQ(lin.use(), 0);
  go.signal();
  EXPECT_EQ(insertLineas(lin, kEach, "PADRE"), 0);
  EXPECT_EQ(exitStatus(child), 0);

  std::set<long long> codes;
  ASSERT_EQ(lin.setPosition(&lin.keyDef(u"LIN:KEYCOD"), FileEdge::Start), 0);
  while (lin.next() == 0) codes.insert(lin.buffer().decimal(1).toInteger());
  EXPECT_EQ(codes.size(), std::size_t(2 * kEach));
  EXPECT_EQ(*codes.begin(), 1);
  EXPECT_EQ(*codes.rbegin(), 2 * kEach);
  lin.close();
}

TEST_F(TwoStations, PreparingNewFormulasAtOnceWithBlankProductCodesDoesNotCollide) {
  {
    FileManager& for1 = managers["Formula1"];
    ASSERT_EQ(for1.open(), 0);
    ASSERT_EQ(for1.use(), 0);
    for1.close();
  }
  Pipe primed, parentDone;
  const pid_t child = runStation([&] {
    Station own(dir.path(), errors);
    FileManager& for1 = own.managers["Formula1"];
    if (for1.open() != 0 || for1.primeRecord() != 0) return 2;
    const long long number = for1.buffer().decimal(1).toInteger();
    primed.signal();
    parentDone.wait();
    for1.buffer().setText("FOR1:CODIGO_TERMINADO", "T-HIJO");
    for1.buffer().setText("FOR1:MODIFICABLE", "S");
    const int result = for1.insert();
    for1.close();
    return result == 0 && number == 1 ? 0 : 3;
  });
  ASSERT_TRUE(primed.wait());
  FileManager& for1 = managers["Formula1"];
  ASSERT_EQ(for1.open(), 0);
  // The other station's placeholder holds number 1 with a blank product code.
  ASSERT_EQ(for1.primeRecord(), 0);
  EXPECT_EQ(for1.buffer().decimal(1), Decimal(2));
  for1.buffer().setText("FOR1:MODIFICABLE", "S");
  EXPECT_EQ(for1.insert(), 0);  // still blank: the placeholder is no duplicate
  parentDone.signal();
  EXPECT_EQ(exitStatus(child), 0);
  EXPECT_EQ(for1.file().recordCount(), 2);
  EXPECT_TRUE(script.shown().empty());
  for1.close();
}

}  // namespace
}  // namespace bv::test
