#include "runtime/message_box.h"

#include <utility>

namespace bv {
namespace {

constexpr int kStandardBits[] = {kButtonOk,    kButtonYes,    kButtonNo,     kButtonAbort,
                                 kButtonRetry, kButtonIgnore, kButtonCancel, kButtonHelp};

MessageButton okButton() { return {MessageBox::standardCaption(kButtonOk), kButtonOk}; }

}  // namespace

QString MessageBox::standardCaption(int bit) {
  switch (bit) {
    case kButtonOk: return QStringLiteral("Aceptar");
    case kButtonYes: return QStringLiteral("&SI");
    case kButtonNo: return QStringLiteral("&NO");
    case kButtonAbort: return QStringLiteral("&Abortar");
    case kButtonRetry: return QStringLiteral("&Reitentar");
    case kButtonIgnore: return QStringLiteral("&Ignorar");
    case kButtonCancel: return QStringLiteral("Cancelar");
    case kButtonHelp: return QStringLiteral("&Ayuda");
    default: return {};
  }
}

MessageBox::MessageBox(QString text, QString title, MessageIcon icon, int buttons,
                       int defaultButton)
    : text_(std::move(text)), title_(std::move(title)), icon_(icon), byCaptions_(false) {
  for (int bit : kStandardBits)
    if (buttons & bit) buttons_.append({standardCaption(bit), bit});
  if (buttons_.isEmpty()) buttons_.append(okButton());
  for (int i = 0; i < buttons_.size(); ++i)
    if (buttons_[i].value == defaultButton) defaultIndex_ = i;
}

MessageBox::MessageBox(QString text, QString title, MessageIcon icon, const QString& captions,
                       int defaultButton)
    : text_(std::move(text)), title_(std::move(title)), icon_(icon), byCaptions_(true) {
  if (captions.isEmpty()) {
    buttons_.append(okButton());
  } else {
    const QStringList parts = captions.split(u'|');
    for (int i = 0; i < parts.size() && i < kMaxButtons; ++i) buttons_.append({parts[i], i + 1});
  }
  if (defaultButton >= 1 && defaultButton <= buttons_.size()) defaultIndex_ = defaultButton - 1;
}

QList<QList<MessageButton>> MessageBox::rows() const {
  QList<QList<MessageButton>> result;
  for (int i = 0; i < buttons_.size(); ++i) {
    if (i % kButtonsPerRow == 0) result.append(QList<MessageButton>());
    result.last().append(buttons_[i]);
  }
  return result;
}

std::optional<int> MessageBox::valueOf(const QString& caption) const {
  for (const MessageButton& b : buttons_)
    if (b.caption == caption) return b.value;
  return std::nullopt;
}

}  // namespace bv
