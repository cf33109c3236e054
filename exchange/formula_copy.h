#pragma once
// The steps of "Copiar" of the window "Copia las Formulas de una linea a otra"
// (CopiaFormulas), without the window, so that the headless runner and tests
// run the very same copy.
//
// For every finished product whose code begins with the source prefix S and
// whose counterpart in the destination line does not exist yet, the
// counterpart is added (code: the destination prefix D followed by the source
// code after |S| characters) with a copy of the source formula, in which each
// basic product is replaced by the one of the basics prefix B (B followed by
// the source basic's code after |S| characters). The whole copy is one
// transaction over A_Terminado, A_Formula1 and A_Formula2: a failure leaves
// nothing of the run behind, and a run repeated after a success finds every
// counterpart there and adds nothing.
//
// The source products are listed before anything is written, so products
// added by the run are never taken as sources (a destination prefix that
// begins with the source prefix would otherwise copy its own copies).
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "runtime/decimal.h"

namespace bv {

class FileManagers;

// The three prefixes as typed (trailing blanks are dropped).
struct CopyPrefixes {
  QString source;       // GLO:DESDELINEA
  QString destination;  // GLO:HASTALINEA
  QString basics;       // GLO:LINEABASICOS
};

// Which inputs are missing, in the order they are checked: 0 source,
// 1 destination, 2 basics.
QList<int> missingInputs(const CopyPrefixes& prefixes);
// The message of a missing input.
QString missingInputText(int input);

// `prefix` followed by `code` after its first `sourceLength` characters.
QString mappedCode(const QString& code, int sourceLength, const QString& prefix);
// The line of the new products: the destination prefix's numeric value, which
// exists only when the whole prefix is a number ("07" is 7); 0 otherwise.
Decimal destinationLine(const QString& destination);
// The progress bar after one more product: up by one, back to 45 past 99.
int nextProgress(int progress);

struct CopyOutcome {
  enum class End {
    MissingInput,  // a check failed; its messages shown
    NotStarted,    // the transaction could not begin within 3 seconds
    Copied,        // committed
    Failed,        // rolled back: nothing of the run remains
  };
  End end = End::Copied;
  int products = 0;  // products added
  int formulas = 0;  // formulas added
};

class FormulaCopy {
 public:
  static constexpr int kWaitSeconds = 3;

  explicit FormulaCopy(FileManagers& files) : files_(files) {}

  // Told each new position of the progress bar (0 to 100).
  std::function<void(int)> progress;

  // Runs the copy and shows its messages; the progress ends at 0.
  CopyOutcome run(const CopyPrefixes& prefixes);

 private:
  void setProgress(int value);

  FileManagers& files_;
  int progress_ = 0;
};

}  // namespace bv
