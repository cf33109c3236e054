#include "exchange/version_update.h"

#include <QCoreApplication>
#include <QDir>
#include <optional>

#include "exchange/directory_archive.h"
#include "exchange/update_archive.h"
#include "runtime/message_presenter.h"
#include "shell/form/form_window.h"
#include "shell/request_codes.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/busy_cursor.h"
#include "storage/relations/relation_managers.h"

namespace bv {

using namespace Qt::StringLiterals;

namespace {

const QString kVersiones = u"Versiones"_s;
// "Registro no Actualizado": the record the form was to add is there already.
constexpr int kMsgChangedByOtherStation = 6;

class VersionBehaviour : public FormBehaviour {
 public:
  bool completing(FormWindow& form) override {
    FileManager& file = form.primary();
    // Versiones holds one record: when another station added it meanwhile,
    // adding would make a second one.
    if (form.request() == kInsertRecord && file.file().recordCount() > 0) {
      file.raise(kMsgChangedByOtherStation);
      return false;
    }
    // A write that failed after the raise left the raised number in the
    // buffer: a second press raises from the number the form showed.
    Record& version = file.buffer();
    if (raisedTo_ && version.decimal("VER:VERSION") == *raisedTo_)
      version.setDecimal("VER:VERSION", *raisedTo_ - 1);
    if (!archiveAndRaise(file, QDir::currentPath())) return false;
    raisedTo_ = version.decimal("VER:VERSION");
    return true;
  }

 private:
  std::optional<Decimal> raisedTo_;
};

}  // namespace

void raiseVersion(Record& version, Date today) {
  version.setDecimal("VER:VERSION", version.decimal("VER:VERSION") + 1);
  version.setDate("VER:FECHA", today);
}

int versionRequest(bool versionesHasRecord) {
  return versionesHasRecord ? kChangeRecord : kInsertRecord;
}

bool readFirstVersion(FileManager& versiones) {
  versiones.buffer().clear();
  if (versiones.setPosition(nullptr, FileEdge::Start) != kLevelBenign) return false;
  return versiones.tryNext() == kLevelBenign;
}

bool archiveAndRaise(FileManager& versiones, const QString& workingDirectory) {
  BusyCursor busy;  // the archiver's runs take a while: the windows wait for them
  const ArchiveRun run = archiveDirectory(workingDirectory, QCoreApplication::applicationDirPath());
  busy.restore();
  if (!run.done) {
    showMessage(archiveFailureText(run), u"Crear Actualización"_s, MessageIcon::Exclamation, kButtonOk);
    return false;
  }
  raiseVersion(versiones.buffer(), Clock::today());
  return true;
}

const FormDeclaration& versionForm() {
  static const FormDeclaration form{
      .procedure = u"Actualizar"_s,
      .caption = u"Versión del Sistema"_s,
      .table = kVersiones,
      .tabs = {{QString(),
                {FormField::entry(u"&Versión del Sistema:"_s, u"VER:VERSION"_s, u"n6"_s),
                 FormField::entry(u"&Fecha de Acualizacion:"_s, u"VER:FECHA"_s, u"d6"_s)}}},
      .opens = {u"Paramet"_s},
      .cancel = CancelAction::Discard,
      .okText = u"Actualizar"_s,
      .cancelText = u"Cancelar"_s,
      .titles = {{kInsertRecord, u"Agregando..."_s}, {kChangeRecord, u"Nueva Versión del Sistema"_s}},
      .behaviour = [] { return std::make_unique<VersionBehaviour>(); },
  };
  return form;
}

WindowFactory versionWindow(RelationManagers& relations) {
  return [&relations](const ProcedureStart&) -> std::unique_ptr<QWidget> {
    RelationManager& versiones = relations[kVersiones];
    FileManager& file = relations.files()[kVersiones];
    // Open around the first read; the form keeps the file open while it runs.
    if (versiones.open() != kLevelBenign) return nullptr;
    const int request = versionRequest(readFirstVersion(file));
    if (request == kInsertRecord) file.buffer().clear();
    setGlobalRequest(request);
    auto window = std::make_unique<FormWindow>(versionForm(), relations, request);
    const bool ready = window->prepare();
    versiones.close();
    if (!ready) return nullptr;
    return window;
  };
}

}  // namespace bv
