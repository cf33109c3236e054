#pragma once
// The message window's model: what one message box shows and answers, without
// any widget. The window on screen, the headless runner and tests all present
// this same model (runtime/message_presenter.h), so they agree on the lines, the
// buttons, their order, their values and the default button.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace bv {

enum class MessageIcon { None, Exclamation, Information, Question, Stop };

// The standard buttons of a bit set, in the order they are shown.
enum MessageButtonBit : int {
  kButtonOk = 1,        // "Aceptar"
  kButtonYes = 2,       // "&SI"
  kButtonNo = 4,        // "&NO"
  kButtonAbort = 8,     // "&Abortar"
  kButtonRetry = 16,    // "&Reitentar"
  kButtonIgnore = 32,   // "&Ignorar"
  kButtonCancel = 64,   // "Cancelar"
  kButtonHelp = 128,    // "&Ayuda"
};

struct MessageButton {
  QString caption;
  int value = 0;  // the bit for a bit set, the position from 1 for captions
  friend bool operator==(const MessageButton&, const MessageButton&) = default;
};

class MessageBox {
 public:
  static constexpr int kMaxButtons = 8;
  static constexpr int kButtonsPerRow = 4;
  // Layout of the window, in the window's units.
  static constexpr int kButtonGap = 5;
  static constexpr int kIconWidth = 32;
  static constexpr int kIconTextGap = 10;

  // Buttons as a bit set of MessageButtonBit; no bit set gives one "Aceptar".
  // defaultButton is the value of the default button; 0 (or a value no button
  // has) makes the first button the default.
  MessageBox(QString text, QString title, MessageIcon icon, int buttons, int defaultButton = 0);
  // Buttons as captions separated by "|", at most eight (the rest are dropped);
  // an empty text gives one "Aceptar". defaultButton is a position from 1; 0 or a
  // position past the last button makes the first the default.
  MessageBox(QString text, QString title, MessageIcon icon, const QString& captions,
             int defaultButton = 0);

  const QString& text() const { return text_; }
  const QString& title() const { return title_; }
  MessageIcon icon() const { return icon_; }
  bool hasIcon() const { return icon_ != MessageIcon::None; }
  // True when the buttons were given as captions (answers are positions).
  bool byCaptions() const { return byCaptions_; }

  // The text split at "|", one line each, shown one under the other.
  QStringList lines() const { return text_.split(u'|'); }
  const QList<MessageButton>& buttons() const { return buttons_; }
  // The buttons in rows of at most four.
  QList<QList<MessageButton>> rows() const;
  int defaultIndex() const { return defaultIndex_; }
  const MessageButton& defaultButton() const { return buttons_[defaultIndex_]; }
  // The value of the button with this caption, if the box has one.
  std::optional<int> valueOf(const QString& caption) const;
  // How far the text moves right to leave room for the icon.
  int textIndent() const { return hasIcon() ? kIconWidth + kIconTextGap : 0; }

  // The caption of a standard button bit ("" for anything else).
  static QString standardCaption(int bit);

 private:
  QString text_;
  QString title_;
  MessageIcon icon_;
  bool byCaptions_;
  QList<MessageButton> buttons_;
  int defaultIndex_ = 0;
};

}  // namespace bv
