#include "shell/message_window.h"

#include "shell/child_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace bv {
namespace {

constexpr int kMinButtonWidth = 75;
constexpr int kMargin = 12;
constexpr int kLineSpacing = 2;
constexpr int kMinTextWidth = 200;

QStyle::StandardPixmap standardIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Exclamation: return QStyle::SP_MessageBoxWarning;
    case MessageIcon::Information: return QStyle::SP_MessageBoxInformation;
    case MessageIcon::Question: return QStyle::SP_MessageBoxQuestion;
    case MessageIcon::Stop: return QStyle::SP_MessageBoxCritical;
    case MessageIcon::None: break;
  }
  return QStyle::SP_CustomBase;
}

// The button that Escape stands for: a bit set's cancelling button, in this
// order of preference, or the only button of any box.
std::optional<int> escapeValueOf(const MessageBox& box) {
  if (!box.byCaptions()) {
    for (int bit : {kButtonCancel, kButtonNo, kButtonAbort})
      for (const MessageButton& b : box.buttons())
        if (b.value == bit) return bit;
  }
  if (box.buttons().size() == 1) return box.buttons().front().value;
  return std::nullopt;
}

// A box line broken at blanks into lines no wider than `width`; a word wider
// than that is broken where it reaches the edge, so nothing is cut.
QString wrapped(const QString& line, const QFontMetrics& metrics, int width) {
  if (metrics.horizontalAdvance(line) <= width) return line;
  QStringList out;
  QString current;
  const auto fits = [&](const QString& s) { return metrics.horizontalAdvance(s) <= width; };
  for (QString word : line.split(u' ')) {
    const QString joined = current.isEmpty() ? word : current + u' ' + word;
    if (fits(joined)) {
      current = joined;
      continue;
    }
    if (!current.isEmpty()) out << current;
    current.clear();
    while (!fits(word)) {
      qsizetype n = 1;
      while (n < word.size() && fits(word.left(n + 1))) ++n;
      out << word.left(n);
      word = word.mid(n);
    }
    current = word;
  }
  if (!current.isEmpty()) out << current;
  return out.join(u'\n');
}

}  // namespace

MessageWindow::MessageWindow(MessageBox box, QWidget* parent)
    : QDialog(parent), box_(std::move(box)), escapeValue_(escapeValueOf(box_)) {
  setObjectName(QStringLiteral("MessageWindow"));
  setWindowTitle(box_.title());
  // A message is answered or closed, never minimised or maximised.
  setWindowFlags(closeOnlyFlags(Qt::Dialog));
  setModal(true);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  outer->setSpacing(kMargin);
  // The window takes exactly the room its lines and buttons need.
  outer->setSizeConstraint(QLayout::SetFixedSize);
  buildText(*outer);
  buildButtons(*outer);
}

void MessageWindow::buildText(QVBoxLayout& into) {
  auto* body = new QHBoxLayout;
  body->setSpacing(MessageBox::kIconTextGap);
  if (box_.hasIcon()) {
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("?ICON"));
    const int side = MessageBox::kIconWidth;
    icon->setPixmap(style()->standardIcon(standardIcon(box_.icon()), nullptr, this).pixmap(side, side));
    icon->setFixedSize(side, side);
    body->addWidget(icon, 0, Qt::AlignTop);
  }
  auto* text = new QVBoxLayout;
  text->setSpacing(kLineSpacing);
  const QStringList lines = box_.lines();
  const int width = textWidthLimit();
  for (int i = 0; i < lines.size(); ++i) {
    auto* line = new QLabel(wrapped(lines[i], fontMetrics(), width), this);
    line->setObjectName(QStringLiteral("?LINE%1").arg(i + 1));
    line->setTextFormat(Qt::PlainText);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->addWidget(line);
  }
  text->addStretch();
  body->addLayout(text, 1);
  into.addLayout(body);
}

void MessageWindow::buildButtons(QVBoxLayout& into) {
  int width = kMinButtonWidth;
  for (int i = 0; i < box_.buttons().size(); ++i) {
    const MessageButton& b = box_.buttons()[i];
    auto* button = new QPushButton(b.caption, this);
    button->setObjectName(QStringLiteral("?BUTTON%1").arg(i + 1));
    const int value = b.value;
    connect(button, &QPushButton::clicked, this, [this, value] { done(value); });
    width = std::max(width, button->sizeHint().width());
    buttons_.append(button);
  }
  auto* rows = new QVBoxLayout;
  rows->setSpacing(MessageBox::kButtonGap);
  int index = 0;
  for (const QList<MessageButton>& row : box_.rows()) {
    auto* line = new QHBoxLayout;
    line->setSpacing(MessageBox::kButtonGap);
    line->addStretch();
    for (qsizetype i = 0; i < row.size(); ++i) {
      QPushButton* button = buttons_[index++];
      button->setFixedWidth(width);
      line->addWidget(button);
    }
    line->addStretch();
    rows->addLayout(line);
  }
  into.addLayout(rows);

  QPushButton* preferred = buttons_[box_.defaultIndex()];
  for (QPushButton* b : buttons_) b->setAutoDefault(b == preferred);
  preferred->setDefault(true);
  preferred->setFocus();
}

int MessageWindow::textWidthLimit() const {
  // The window stays within the window it is shown over (the frame) and
  // within the screen; a longer line wraps.
  constexpr int kFrameAllowance = 24;
  QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  int room = screen ? screen->availableGeometry().width() : 640;
  if (parentWidget()) room = std::min(room, parentWidget()->window()->width());
  return std::max(kMinTextWidth, room - 2 * kMargin - box_.textIndent() - kFrameAllowance);
}

void MessageWindow::centreOnScreen() {
  // The size is final only once the style has polished the buttons and lines.
  ensurePolished();
  for (QWidget* child : findChildren<QWidget*>()) child->ensurePolished();
  layout()->activate();
  adjustSize();
  QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

int MessageWindow::run() {
  setWindowModality(Qt::ApplicationModal);
  centreOnScreen();
  buttons_[box_.defaultIndex()]->setFocus();
  return exec();
}

void MessageWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen();
}

void MessageWindow::reject() {
  if (escapeValue_) done(*escapeValue_);
}

int QtMessagePresenter::present(const MessageBox& box) {
  MessageWindow window(box, QApplication::activeWindow());
  return window.run();
}

}  // namespace bv
