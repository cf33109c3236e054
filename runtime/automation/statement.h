#pragma once
// One automation statement or property name taken apart: a chain of members
// separated by ".", each with an optional argument list, as in
//   Application.Range("A1").Interior.ColorIndex
//   Application.ActiveWorkbook.SaveAs("C:\x.xlsx", 1, "", "", False, False)
//   Workbooks.Open ("planilla.xls")
// Arguments are quoted texts (a doubled quote inside stands for one) or bare
// words and numbers. Member names compare without regard to letter case.
#include <QString>
#include <QStringView>
#include <QVarLengthArray>
#include <optional>

namespace bv {

class Statement {
 public:
  struct Member {
    QStringView name;
    bool called = false;  // had an argument list, even an empty one
    int firstArgument = 0;
    int argumentCount = 0;
  };

  // The statement, or nullopt when the text is not a member chain. The members'
  // names refer to `text`, which must outlive the statement.
  static std::optional<Statement> parse(QStringView text);

  const QVarLengthArray<Member, 6>& members() const { return members_; }
  int size() const { return int(members_.size()); }
  // Member i's name equals `name` (any case).
  bool is(int i, QLatin1StringView name) const;
  // The j-th argument of member i (quotes removed), empty when there is none.
  QString argument(int i, int j = 0) const;

  // Drops a leading "Application." (statements may name the application or not).
  void dropApplication();

 private:
  // Statements are parsed once per cell written: small chains stay off the heap.
  QVarLengthArray<Member, 6> members_;
  QVarLengthArray<QString, 6> arguments_;
};

}  // namespace bv
