#include "storage/errors/message_block.h"

#include "runtime/cp1252.h"

namespace bv {
namespace {

constexpr int kMaxShortString = 255;

void putWord(QByteArray& out, std::uint16_t value) {
  out.append(char(value & 0xFF));
  out.append(char(value >> 8));
}

void putShortString(QByteArray& out, const QString& text) {
  const QByteArray bytes = cp1252::encode(text).left(kMaxShortString);
  out.append(char(bytes.size()));
  out.append(bytes);
}

// Reads forward through a block, refusing any read that would pass its end.
class BlockReader {
 public:
  explicit BlockReader(const QByteArray& block) : block_(block) {}

  bool word(std::uint16_t& value) {
    if (remaining() < 2) return false;
    value = std::uint16_t(byteAt(pos_) | (byteAt(pos_ + 1) << 8));
    pos_ += 2;
    return true;
  }
  bool byte(std::uint8_t& value) {
    if (remaining() < 1) return false;
    value = std::uint8_t(byteAt(pos_++));
    return true;
  }
  bool shortString(QString& text) {
    std::uint8_t length = 0;
    if (!byte(length) || remaining() < length) return false;
    text = cp1252::decode(block_.mid(pos_, length));
    pos_ += length;
    return true;
  }
  qsizetype remaining() const { return block_.size() - pos_; }

 private:
  unsigned byteAt(qsizetype i) const { return static_cast<unsigned char>(block_[i]); }
  const QByteArray& block_;
  qsizetype pos_ = 0;
};

}  // namespace

QByteArray packMessageBlock(const QList<MessageEntry>& entries) {
  QByteArray out;
  putWord(out, std::uint16_t(entries.size()));
  for (const MessageEntry& e : entries) {
    putWord(out, e.number);
    out.append(char(e.level));
    putShortString(out, e.title);
    putShortString(out, e.text);
  }
  return out;
}

ParsedMessageBlock parseMessageBlock(const QByteArray& block) {
  ParsedMessageBlock result;
  BlockReader in(block);
  std::uint16_t count = 0;
  if (!in.word(count)) return result;
  for (int i = 0; i < count; ++i) {
    MessageEntry e;
    if (!in.word(e.number) || !in.byte(e.level) || !in.shortString(e.title) ||
        !in.shortString(e.text))
      return result;
    result.entries.append(std::move(e));
  }
  result.complete = in.remaining() == 0;
  return result;
}

}  // namespace bv
