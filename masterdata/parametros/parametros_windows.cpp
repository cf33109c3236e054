#include "masterdata/parametros/parametros_windows.h"

#include "shell/form/form_window.h"
#include "shell/globals.h"
#include "shell/request_codes.h"
#include "shell/system_images.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/relation_managers.h"

namespace bv::parametros {

using namespace Qt::StringLiterals;

namespace {

const QString kParamet = u"Paramet"_s;
// "Registro no Actualizado": the record the form was to add is there already.
constexpr int kMsgChangedByOtherStation = 6;

// Reads the first record in file order; false when the file has none.
bool readFirst(FileManager& file) {
  file.buffer().clear();
  if (file.setPosition(nullptr, FileEdge::Start) != 0) return false;
  return file.tryNext() == 0;
}

class ParametrosBehaviour : public FormBehaviour {
 public:
  explicit ParametrosBehaviour(QString background = {}) : background_(std::move(background)) {}

  void opened(FormWindow& form) override {
    if (background_.isEmpty()) return;
    const QPixmap wall = systemPixmap(background_);
    if (wall.isNull()) return;
    QPalette p = form.palette();
    p.setBrush(QPalette::Window, QBrush(wall));
    form.setPalette(p);
    form.setAutoFillBackground(true);
  }

  bool completing(FormWindow& form) override {
    FileManager& file = form.primary();
    // The file is a single record: when another window or station added it
    // while this form was open, adding would make a second one.
    if (form.request() == kInsertRecord && file.file().recordCount() > 0) {
      file.raise(kMsgChangedByOtherStation);
      return false;
    }
    glo().ModificaFormulas = file.buffer().paddedText(u"PAR:MODIFICAFORMULAS"_s);
    return true;
  }

 private:
  QString background_;
};

}  // namespace

const FormDeclaration& parametros() {
  static const FormDeclaration form = [] {
    FormField allows = FormField::entry(u"Permite modificar las formulas maestras"_s, u"PAR:MODIFICAFORMULAS"_s);
    allows.control = FormControl::Check;
    allows.choices = {{QString(), u"N"_s}, {QString(), u"S"_s}};
    return FormDeclaration{
        .procedure = u"Parametros"_s,
        .caption = u"Parametros Generales"_s,
        .table = kParamet,
        .tabs = {{QString(),
                  {
                      FormField::entry(u"&Cantidad de Bonificaciones disponibles (0-4):"_s,
                                       u"PAR:CANTIDAD_DE_BONIFICACIONES"_s, u"n1"_s),
                      FormField::entry(u"&Alicuota del IVA:"_s, u"PAR:ALICUOTA_DEL_IVA"_s, u"n5.2"_s),
                      allows,
                  }}},
        .cancel = CancelAction::Confirm,
        .okText = u"OK"_s,
        .okIcon = u"wizSave.ico"_s,
        .cancelText = u"Cancelar"_s,
        .cancelIcon = u"wizCncl.ico"_s,
        .titles = {{kInsertRecord, u"Agregando..."_s}, {kChangeRecord, u"Editando Parametros Generales"_s}},
        .behaviour = [] { return std::make_unique<ParametrosBehaviour>(u"Pared.gif"_s); },
    };
  }();
  return form;
}

const FormDeclaration& impuestos() {
  static const FormDeclaration form{
      .procedure = u"Impuestos"_s,
      .caption = u"Impuestos"_s,
      .table = kParamet,
      .tabs = {{QString(), {FormField::entry(u"&Alícuota del IVA:"_s, u"PAR:ALICUOTA_DEL_IVA"_s, u"n5.2"_s)}}},
      .cancel = CancelAction::Confirm,
      .okText = u"OK"_s,
      .okIcon = u"wizSave.ico"_s,
      .cancelText = u"Cancelar"_s,
      .cancelIcon = u"wizCncl.ico"_s,
      .titles = {{kInsertRecord, u"Agregando..."_s}, {kChangeRecord, u"Editando Impuestos Generales"_s}},
      .behaviour = [] { return std::make_unique<ParametrosBehaviour>(); },
  };
  return form;
}

int parametersRequest(const QString& accionParametros, bool parametHasRecord) {
  if (parametHasRecord) return kChangeRecord;
  // "M" on an empty file (the record is gone since the menu looked): there is
  // nothing to change, so the record is added.
  Q_UNUSED(accionParametros);
  return kInsertRecord;
}

QString plainNumber(const Decimal& value) {
  QString text = value.toQString(4);
  if (text.contains(u'.')) {
    while (text.endsWith(u'0')) text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
  }
  return text;
}

QString parametersTitle(const QString& heading, int request, const Decimal& vat) {
  if (request == kInsertRecord) return heading + u"  (Nuevo)"_s;
  return heading + u"  ("_s + plainNumber(vat) + u")"_s;
}

WindowFactory parametersWindow(std::function<const FormDeclaration&()> declaration, RelationManagers& relations) {
  return [declaration = std::move(declaration), &relations](const ProcedureStart&) -> std::unique_ptr<QWidget> {
    const FormDeclaration& form = declaration();
    RelationManager& paramet = relations[kParamet];
    FileManager& file = relations.files()[kParamet];
    // Open around the first read; the form keeps the file open while it runs.
    if (paramet.open() != kLevelBenign) return nullptr;
    const bool hasRecord = readFirst(file);
    const int request = parametersRequest(glo().AccionParametros, hasRecord);
    if (request == kInsertRecord) file.buffer().clear();
    setGlobalRequest(request);
    auto window = std::make_unique<FormWindow>(form, relations, request);
    const bool ready = window->prepare();
    paramet.close();
    if (!ready) return nullptr;
    const QString title =
        parametersTitle(window->windowTitle(), request, file.buffer().decimal(u"PAR:ALICUOTA_DEL_IVA"_s));
    window->setWindowTitle(title);
    // The taxes form is narrower than its title: the title is read whole.
    constexpr int kTitleBarFurniture = 90;  // the window's icon and close button
    window->setMinimumWidth(window->fontMetrics().horizontalAdvance(title) + kTitleBarFurniture);
    return window;
  };
}

}  // namespace bv::parametros
