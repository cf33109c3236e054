#pragma once
// The panel on the frame's toolbar: the "Nueva Producción" button and the
// version and date of the installed data ("Versión: ", "Fecha:").
#include "shell/frame/frame_data.h"

#include <QFrame>
#include <optional>

class QLabel;
class QPushButton;

namespace bv {

class VersionPanel : public QFrame {
  Q_OBJECT
 public:
  explicit VersionPanel(QWidget* parent = nullptr);

  QPushButton* newProductionButton() const { return newProduction_; }
  // Shows VER:VERSION and VER:FECHA ("d6"); no record shows zero and a blank date.
  void showVersion(const std::optional<VersionInfo>& version);
  QString versionText() const;
  QString dateText() const;

 private:
  QPushButton* newProduction_;
  QLabel* version_;
  QLabel* date_;
};

}  // namespace bv
