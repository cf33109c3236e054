#include "shell/form/field_control.h"

#include "shell/form/entry_keys.h"
#include "storage/dictionary/field_def.h"
#include "storage/managers/file_manager.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace bv {
namespace {

using namespace Qt::StringLiterals;

QString controlName(const QString& field) { return QStringLiteral("?") + field; }

int charsWide(const Picture& picture) { return std::clamp(picture.width(), 3, 60); }

// Drops the keys an entry's picture cannot read back, so that a number or a
// date entry never holds text that would keep the user in it.
class EntryKeys : public QObject {
 public:
  EntryKeys(QLineEdit* edit, const Picture& picture) : QObject(edit), edit_(edit), picture_(picture) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != edit_ || event->type() != QEvent::KeyPress || edit_->isReadOnly()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.size() != 1 || !text.front().isPrint() ||
        key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
      return false;
    const int start = edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
    const int length = edit_->hasSelectedText() ? static_cast<int>(edit_->selectedText().size()) : 0;
    if (entryTakes(picture_, edit_->text(), start, length, text.front())) return false;
    QApplication::beep();
    return true;
  }

 private:
  QLineEdit* edit_;
  Picture picture_;
};

class EntryControl : public FieldControl {
 public:
  EntryControl(const FormField& declared, std::optional<BoundField> bound, QWidget* parent)
      : FieldControl(declared, std::move(bound)), edit_(new QLineEdit(parent)) {
    edit_->setObjectName(controlName(declared.field));
    if (picture_.isNumeric() || picture_.kind() == Picture::Kind::Date) edit_->setAlignment(Qt::AlignRight);
    if (bound_ && bound_->def().length > 0 && picture_.kind() == Picture::Kind::Text)
      edit_->setMaxLength(std::min(bound_->def().length, picture_.width() > 0 ? picture_.width() : 32767));
    const int chars = charsWide(picture_);
    edit_->setMinimumWidth(edit_->fontMetrics().averageCharWidth() * (chars + 2));
    if (chars < 30) edit_->setMaximumWidth(edit_->fontMetrics().averageCharWidth() * (chars + 4) + 12);
    if (!declared.tip.isEmpty()) edit_->setToolTip(declared.tip);
    if (picture_.kind() != Picture::Kind::Text) edit_->installEventFilter(new EntryKeys(edit_, picture_));
  }
  QWidget* widget() const override { return edit_; }
  void show(const FieldValue& value) override {
    edit_->setText(entryText(value, picture_));
    edit_->setModified(false);
  }
  std::optional<FieldValue> typed() const override {
    if (!bound_) return std::nullopt;
    return readTyped(edit_->text(), bound_->def(), picture_);
  }
  void setEditable(bool on) override { edit_->setReadOnly(!on); }
  bool isModified() const override { return edit_->isModified(); }
  void setModified(bool on) override { edit_->setModified(on); }

 private:
  QLineEdit* edit_;
};

class TextControl : public FieldControl {
 public:
  TextControl(const FormField& declared, std::optional<BoundField> bound, QWidget* parent)
      : FieldControl(declared, std::move(bound)), edit_(new QPlainTextEdit(parent)) {
    edit_->setObjectName(controlName(declared.field));
    edit_->setTabChangesFocus(true);
    if (!declared.tip.isEmpty()) edit_->setToolTip(declared.tip);
    edit_->setMinimumHeight(edit_->fontMetrics().lineSpacing() * 5);
  }
  QWidget* widget() const override { return edit_; }
  void show(const FieldValue& value) override {
    const auto* text = std::get_if<QString>(&value);
    edit_->setPlainText(text ? *text : QString());
    edit_->document()->setModified(false);
  }
  std::optional<FieldValue> typed() const override { return FieldValue(edit_->toPlainText()); }
  void setEditable(bool on) override { edit_->setReadOnly(!on); }
  bool isModified() const override { return edit_->document()->isModified(); }
  void setModified(bool on) override { edit_->document()->setModified(on); }

 private:
  QPlainTextEdit* edit_;
};

// Option and check box values are texts of the field ("M", "E"); a number field
// takes them as numbers.
FieldValue choiceValue(const QString& value, const std::optional<BoundField>& bound) {
  if (bound && bound->def().type == FieldType::Decimal)
    return FieldValue(Decimal::parse(value).value_or(Decimal()));
  return FieldValue(value);
}

QString valueText(const FieldValue& value) {
  if (const auto* text = std::get_if<QString>(&value)) return text->trimmed();
  if (const auto* number = std::get_if<Decimal>(&value)) return number->toQString();
  return QString::number(std::get<Date>(value).dayNumber());
}

bool sameChoice(const QString& choice, const FieldValue& value) {
  if (const auto* number = std::get_if<Decimal>(&value)) return Decimal::parse(choice) == *number;
  return choice.trimmed() == valueText(value);
}

class OptionControl : public FieldControl {
 public:
  OptionControl(const FormField& declared, std::optional<BoundField> bound, QWidget* parent)
      : FieldControl(declared, std::move(bound)), box_(new QGroupBox(parent)), group_(new QButtonGroup(box_)) {
    box_->setObjectName(controlName(declared.field));
    auto* layout = new QHBoxLayout(box_);
    int n = 0;
    for (const FormChoice& c : declared.choices) {
      auto* radio = new QRadioButton(c.text, box_);
      radio->setObjectName(controlName(declared.field) + QStringLiteral(":%1").arg(++n));
      group_->addButton(radio, n - 1);
      layout->addWidget(radio);
    }
    layout->addStretch();
    QObject::connect(group_, &QButtonGroup::idClicked, box_, [this](int) { modified_ = true; });
  }
  QWidget* widget() const override { return box_; }
  void show(const FieldValue& value) override {
    group_->setExclusive(false);
    for (QAbstractButton* b : group_->buttons()) b->setChecked(false);
    group_->setExclusive(true);
    for (std::size_t i = 0; i < declared_.choices.size(); ++i)
      if (sameChoice(declared_.choices[i].value, value)) group_->button(static_cast<int>(i))->setChecked(true);
    modified_ = false;
  }
  std::optional<FieldValue> typed() const override {
    const int id = group_->checkedId();
    if (id < 0) return bound_ ? std::optional<FieldValue>(bound_->value()) : std::nullopt;
    return choiceValue(declared_.choices[static_cast<std::size_t>(id)].value, bound_);
  }
  void setEditable(bool on) override {
    for (QAbstractButton* b : group_->buttons()) b->setEnabled(on);
  }
  bool isModified() const override { return modified_; }
  void setModified(bool on) override { modified_ = on; }

 private:
  QGroupBox* box_;
  QButtonGroup* group_;
  bool modified_ = false;
};

class CheckControl : public FieldControl {
 public:
  CheckControl(const FormField& declared, std::optional<BoundField> bound, QWidget* parent)
      : FieldControl(declared, std::move(bound)), box_(new QCheckBox(declared.prompt, parent)) {
    box_->setObjectName(controlName(declared.field));
    QObject::connect(box_, &QCheckBox::clicked, box_, [this] { modified_ = true; });
  }
  QWidget* widget() const override { return box_; }
  void show(const FieldValue& value) override {
    box_->setChecked(declared_.choices.size() > 1 && sameChoice(declared_.choices[1].value, value));
    modified_ = false;
  }
  std::optional<FieldValue> typed() const override {
    if (declared_.choices.size() < 2) return std::nullopt;
    return choiceValue(declared_.choices[box_->isChecked() ? 1 : 0].value, bound_);
  }
  void setEditable(bool on) override { box_->setEnabled(on); }
  bool isModified() const override { return modified_; }
  void setModified(bool on) override { modified_ = on; }

 private:
  QCheckBox* box_;
  bool modified_ = false;
};

class DisplayControl : public FieldControl {
 public:
  DisplayControl(const FormField& declared, std::optional<BoundField> bound, QWidget* parent)
      : FieldControl(declared, std::move(bound)), label_(new QLabel(parent)) {
    label_->setObjectName(controlName(declared.field));
    label_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (picture_.isNumeric()) label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label_->setMinimumWidth(label_->fontMetrics().averageCharWidth() * (charsWide(picture_) + 1));
  }
  QWidget* widget() const override { return label_; }
  void show(const FieldValue& value) override { label_->setText(entryText(value, picture_)); }
  std::optional<FieldValue> typed() const override { return std::nullopt; }
  void setEditable(bool) override {}
  bool isModified() const override { return false; }
  void setModified(bool) override {}

 private:
  QLabel* label_;
};

}  // namespace

FieldControl::FieldControl(const FormField& declared, std::optional<BoundField> bound)
    : declared_(declared),
      bound_(std::move(bound)),
      picture_(pictureFor(declared.picture, bound_ ? &bound_->def() : nullptr)) {}

std::unique_ptr<FieldControl> FieldControl::make(const FormField& declared, std::optional<BoundField> bound,
                                                 QWidget* parent) {
  switch (declared.control) {
    case FormControl::Entry: return std::make_unique<EntryControl>(declared, std::move(bound), parent);
    case FormControl::Text: return std::make_unique<TextControl>(declared, std::move(bound), parent);
    case FormControl::Option: return std::make_unique<OptionControl>(declared, std::move(bound), parent);
    case FormControl::Check: return std::make_unique<CheckControl>(declared, std::move(bound), parent);
    case FormControl::Display: return std::make_unique<DisplayControl>(declared, std::move(bound), parent);
  }
  return nullptr;
}

FieldValue FieldControl::blank() const {
  if (!bound_) return FieldValue(QString());
  switch (bound_->def().type) {
    case FieldType::Decimal: return FieldValue(Decimal());
    case FieldType::Date: return FieldValue(Date());
    default: return FieldValue(QString());
  }
}

void FieldControl::showBuffer() {
  if (bound_)
    show(bound_->value());
  else if (compute)
    show(compute());
  else
    show(blank());
}

bool FieldControl::store(bool withMessages) {
  if (!bound_ || isDisplay()) return true;
  // While a message about this control is on screen, the focus moving to that
  // message must not store (and refuse) the same text again.
  if (refusing_) return false;
  const QScopedValueRollback refusing(refusing_, withMessages);
  const std::optional<FieldValue> value = typed();
  if (!value) {
    if (withMessages) refuseUnreadable();
    return false;
  }
  if (bound_->assign(*value, withMessages) != 0) return false;
  setModified(false);
  return true;
}

void FieldControl::refuseUnreadable() {
  // Text the picture cannot read (pasted, or a date that does not exist) is
  // refused with a message, as a value too large for the field is.
  const FieldDef& field = bound_->def();
  const bool date = field.type == FieldType::Date || picture_.kind() == Picture::Kind::Date;
  const QString text = date ? u"El valor de %1 debe ser una fecha dd/mm/aaaa."_s
                            : u"El valor de %1 debe ser un número, con punto decimal."_s;
  bound_->file().errors().showMessage(text.arg(field.messageText), u"Error en Valor"_s, MessageIcon::Exclamation,
                                      kButtonOk, kButtonOk);
}

}  // namespace bv
