#include "shell/frame/version_panel.h"

#include "runtime/picture.h"
#include "shell/system_images.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace bv {
namespace {

QLabel* label(const QString& text, const QString& name, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setTextFormat(Qt::PlainText);
  return l;
}

}  // namespace

VersionPanel::VersionPanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("?PANEL1"));
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Sunken);

  newProduction_ = new QPushButton(systemIcon(QStringLiteral("Bravent.ico")),
                                   QStringLiteral("Nueva Producción"), this);
  newProduction_->setObjectName(QStringLiteral("?BUTTON13"));
  newProduction_->setIconSize(QSize(20, 20));
  version_ = label(QString(), QStringLiteral("?VER:VERSION"), this);
  date_ = label(QString(), QStringLiteral("?VER:FECHA"), this);
  version_->setMinimumWidth(version_->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
  date_->setMinimumWidth(date_->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")));

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(6, 2, 6, 2);
  row->setSpacing(6);
  row->addWidget(newProduction_);
  row->addSpacing(12);
  row->addWidget(label(QStringLiteral("Versión: "), QStringLiteral("?STRING1"), this));
  row->addWidget(version_);
  row->addSpacing(12);
  row->addWidget(label(QStringLiteral("Fecha:"), QStringLiteral("?STRING2"), this));
  row->addWidget(date_);
}

void VersionPanel::showVersion(const std::optional<VersionInfo>& version) {
  static const Picture number = *Picture::parse(QStringLiteral("n6"));
  static const Picture day = *Picture::parse(QStringLiteral("d6"));
  const VersionInfo shown = version.value_or(VersionInfo{});
  version_->setText(number.format(shown.version).trimmed());
  date_->setText(day.format(shown.date).trimmed());
}

QString VersionPanel::versionText() const { return version_->text(); }
QString VersionPanel::dateText() const { return date_->text(); }

}  // namespace bv
