#include "exchange/formula_copy.h"

#include <vector>

#include "exchange/formula_lines.h"
#include "exchange/opened_tables.h"
#include "exchange/trailing_blanks.h"
#include "production/formulas/formula_weight.h"
#include "runtime/message_presenter.h"
#include "storage/managers/commit_warning.h"
#include "storage/managers/file_managers.h"

namespace bv {

using namespace Qt::StringLiterals;

namespace {

constexpr int kCodeLength = 13;  // TER:CODIGO, BAS:CODIGO
const QString kIntegrity = u"Control de Integridad"_s;
const QString kErrors = u"Control de errorres"_s;
const QString kProcess = u"Control de Proceso"_s;

// Rolls the copy's transaction back unless it was committed.
class CopyTransaction {
 public:
  explicit CopyTransaction(FileLayer& layer) : layer_(layer) {}
  ~CopyTransaction() {
    if (started_) layer_.rollback();
  }
  CopyTransaction(const CopyTransaction&) = delete;
  CopyTransaction& operator=(const CopyTransaction&) = delete;

  bool begin(std::initializer_list<FileManager*> tables) {
    for (FileManager* m : tables)
      if (m->use() != kLevelBenign || m->file().markForTransaction() != kFileOk) return false;
    started_ = layer_.beginTransaction(FormulaCopy::kWaitSeconds) == kFileOk;
    return started_;
  }
  bool commit() {
    started_ = false;
    if (layer_.commit() == kFileOk) return true;
    layer_.rollback();
    return false;
  }

 private:
  FileLayer& layer_;
  bool started_ = false;
};

struct CopyTables {
  FileManager& terminado;
  FileManager& formula1;
  FileManager& formula2;
  FileManager& basicos;
  FileManager& newProducts;  // A_Terminado
  FileManager& newFormulas;  // A_Formula1
  FileManager& newLines;     // A_Formula2
};

// The source line's products, listed before the copy writes anything.
bool sourceProducts(FileManager& terminado, const QString& prefix, std::vector<Record>& out) {
  Record& product = terminado.buffer();
  product.clear();
  product.setText("TER:CODIGO", prefix);
  if (terminado.setPosition(terminado.keyDef(u"TER:KEYCOD")) != kLevelBenign) return false;
  for (;;) {
    if (terminado.tryNext() != kLevelBenign) return terminado.endOfFile();
    if (!product.text("TER:CODIGO").startsWith(prefix)) return true;
    out.push_back(product);
  }
}

bool exists(FileManager& table, const char* field, const char* key, const QString& code) {
  table.buffer().clear();
  table.buffer().setText(field, code);
  return table.tryFetch(table.keyDef(QString::fromLatin1(key))) == kLevelBenign;
}

struct SourceLine {
  QString basic;  // the new basic product
  Decimal quantity;
  Decimal density;
};

// Copies one product; answers the text of the failure message, empty when done.
class ProductCopy {
 public:
  ProductCopy(CopyTables& t, const CopyPrefixes& p, CopyOutcome& outcome)
      : t_(t), p_(p), outcome_(outcome) {}

  QString copy(const Record& source) {
    const QString code = source.text("TER:CODIGO");
    const QString newCode = mappedCode(code, int(p_.source.size()), p_.destination);
    // A code cut to the field could be another product's.
    if (newCode.size() > kCodeLength) return u"No se pudo dar de alta el producto terminado: "_s + newCode;
    if (exists(t_.newProducts, "A_TER:CODIGO", "A_TER:KEYCOD", newCode)) return {};
    if (!addProduct(source, newCode)) return u"No se pudo dar de alta el producto terminado: "_s + newCode;
    ++outcome_.products;

    Record& formula = t_.formula1.buffer();
    if (!exists(t_.formula1, "FOR1:CODIGO_TERMINADO", "FOR1:KEYTER", code)) return {};
    std::vector<SourceLine> lines;
    if (!readLines(formula.decimal("FOR1:CODIGO_FORMULA"), lines))
      return u"No se pudo encontrar el basico de la formula para este producto terminado: "_s + newCode;
    std::vector<WeightLine> weighed;
    for (const SourceLine& l : lines) weighed.push_back({l.quantity, l.density});
    const FormulaWeight weight = formulaWeight(weighed, totalQuantity(weighed));

    const QString formulaFailed = u"No se pudo dar de alta la formula para este producto terminado: "_s + newCode;
    Record& header = t_.newFormulas.buffer();
    header.clear();
    header.setText("A_FOR1:OBSERVACIONES", formula.text("FOR1:OBSERVACIONES"));
    header.setText("A_FOR1:CODIGO_TERMINADO", newCode);
    header.setDecimal("A_FOR1:CANTIDAD", formula.decimal("FOR1:CANTIDAD"));
    header.setText("A_FOR1:MODIFICABLE", formula.text("FOR1:MODIFICABLE"));
    header.setDecimal("A_FOR1:PESO_ESPECIFICO", weight.specificWeight);
    if (t_.newFormulas.tryInsert() != kLevelBenign) return formulaFailed;
    const Decimal number = header.decimal("A_FOR1:CODIGO_FORMULA");
    Record& line = t_.newLines.buffer();
    for (std::size_t i = 0; i < lines.size(); ++i) {
      line.clear();
      line.setDecimal("A_FOR2:CODIGO_FORMULA", number);
      line.setText("A_FOR2:CODIGO_BASICO", lines[i].basic);
      line.setDecimal("A_FOR2:CANTIDAD", lines[i].quantity);
      line.setDecimal("A_FOR2:VOLUMEN", weight.volumes[i]);
      if (t_.newLines.tryInsert() != kLevelBenign) return formulaFailed;
    }
    ++outcome_.formulas;
    return {};
  }

 private:
  // The new product takes the source's description, chart, brand, margin,
  // system and technical memo; its line is the destination's.
  bool addProduct(const Record& source, const QString& newCode) {
    Record& product = t_.newProducts.buffer();
    product.clear();
    product.setText("A_TER:CODIGO", newCode);
    product.setText("A_TER:DESCRIPCION", source.text("TER:DESCRIPCION"));
    product.setDecimal("A_TER:LINEA", destinationLine(p_.destination));
    product.setDecimal("A_TER:CARTA", source.decimal("TER:CARTA"));
    product.setDecimal("A_TER:MARCA", source.decimal("TER:MARCA"));
    product.setDecimal("A_TER:MARGENUTILIDAD", source.decimal("TER:MARGENUTILIDAD"));
    // Without it the product would fail its own rule the next time it is saved.
    product.setText("A_TER:SISTEMA", source.text("TER:SISTEMA"));
    product.setMemo(source.memo());
    return t_.newProducts.tryInsert() == kLevelBenign;
  }

  // The source formula's lines with their new basic products; false when one
  // of those is not in Basicos (or a read fails).
  bool readLines(const Decimal& formula, std::vector<SourceLine>& out) {
    return forEachFormulaLine(t_.formula2, formula, [&](Record& line) {
             const QString basic =
                 mappedCode(line.text("FOR2:CODIGO_BASICO"), int(p_.source.size()), p_.basics);
             if (basic.size() > kCodeLength || !exists(t_.basicos, "BAS:CODIGO", "BAS:KEYCOD", basic))
               return kLevelNotice;
             out.push_back({basic, line.decimal("FOR2:CANTIDAD"),
                            t_.basicos.buffer().decimal("BAS:PESO_ESPECIFICO")});
             return kLevelBenign;
           }) == kLevelBenign;
  }

  CopyTables& t_;
  const CopyPrefixes& p_;
  CopyOutcome& outcome_;
};

}  // namespace

QList<int> missingInputs(const CopyPrefixes& prefixes) {
  QList<int> missing;
  const QString* inputs[] = {&prefixes.source, &prefixes.destination, &prefixes.basics};
  for (int i = 0; i < 3; ++i)
    if (inputs[i]->trimmed().isEmpty()) missing.append(i);
  return missing;
}

QString missingInputText(int input) {
  static const QString texts[] = {u"Falta cargar el codigo de linea de Origen"_s,
                                  u"Falta cargar el codigo de linea de Destino"_s,
                                  u"Falta cargar el codigo de linea de Básicos"_s};
  return texts[input];
}

QString mappedCode(const QString& code, int sourceLength, const QString& prefix) {
  return prefix + withoutTrailingBlanks(code).mid(sourceLength);
}

Decimal destinationLine(const QString& destination) {
  const QString text = destination.trimmed();
  for (const QChar c : text)
    if (!c.isDigit()) return Decimal();
  return Decimal::parse(text).value_or(Decimal());
}

int nextProgress(int progress) { return progress + 1 > 99 ? 45 : progress + 1; }

void FormulaCopy::setProgress(int value) {
  progress_ = value;
  if (progress) progress(value);
}

CopyOutcome FormulaCopy::run(const CopyPrefixes& typed) {
  CopyOutcome outcome;
  const QList<int> missing = missingInputs(typed);
  for (int input : missing) showMessage(missingInputText(input), kIntegrity, MessageIcon::Exclamation, kButtonOk);
  if (!missing.isEmpty()) {
    outcome.end = CopyOutcome::End::MissingInput;
    setProgress(0);
    return outcome;
  }
  const CopyPrefixes p{withoutTrailingBlanks(typed.source), withoutTrailingBlanks(typed.destination),
                       withoutTrailingBlanks(typed.basics)};
  CopyTables t{files_[u"Terminado"_s],   files_[u"Formula1"_s],   files_[u"Formula2"_s],
               files_[u"Basicos"_s],     files_[u"A_Terminado"_s], files_[u"A_Formula1"_s],
               files_[u"A_Formula2"_s]};
  OpenedTables opened;
  if (opened.open({&t.terminado, &t.formula1, &t.formula2, &t.basicos, &t.newProducts,
                   &t.newFormulas, &t.newLines}) != kLevelBenign) {
    outcome.end = CopyOutcome::End::NotStarted;
    setProgress(0);
    return outcome;
  }

  QString failure;
  bool committed = false;
  {
    CopyTransaction transaction(files_.layer());
    if (!transaction.begin({&t.newProducts, &t.newFormulas, &t.newLines})) {
      showMessage(u"En este momento no se pueden abrir lo archivos|Reintente en unos minutos, Gracias..."_s,
                  kIntegrity, MessageIcon::Exclamation, kButtonOk);
      outcome.end = CopyOutcome::End::NotStarted;
      setProgress(0);
      return outcome;
    }
    std::vector<Record> sources;
    if (!sourceProducts(t.terminado, p.source, sources))
      failure = u"No se pudo leer el archivo de productos terminados"_s;
    ProductCopy copier(t, p, outcome);
    for (const Record& source : sources) {
      if (!failure.isEmpty()) break;
      setProgress(nextProgress(progress_));
      failure = copier.copy(source);
    }
    if (failure.isEmpty()) committed = transaction.commit();
  }  // rolled back unless committed

  if (committed) {
    tellCommitWarning(files_.layer(), t.newProducts);
    setProgress(100);
    showMessage(u"El proceso ha creado la nueva linea satisfactoriamente..."_s, kProcess,
                MessageIcon::Information, kButtonOk);
    outcome.end = CopyOutcome::End::Copied;
  } else {
    // The messages come after the rollback, so no station waits on the files
    // while they are read.
    if (!failure.isEmpty()) showMessage(failure, kErrors, MessageIcon::Exclamation, kButtonOk);
    showMessage(u"El proceso no pudo efectuarse correctamente|Reintente en unos minutos..."_s, kProcess,
                MessageIcon::Exclamation, kButtonOk);
    outcome = {CopyOutcome::End::Failed, 0, 0};
  }
  setProgress(0);
  return outcome;
}

}  // namespace bv
