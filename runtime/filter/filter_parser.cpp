#include "runtime/filter/filter_parser.h"

#include <algorithm>

namespace bv::filter_detail {
namespace {

// Deep enough for any filter the program builds, shallow enough for any stack.
constexpr int kDeepestNesting = 100;

class Parser {
 public:
  explicit Parser(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

  std::optional<SyntaxNode> whole() {
    auto node = disjunction();
    if (node && peek().type != Token::Type::End) {
      if (peek().type == Token::Type::Close) return fail(QStringLiteral("Paréntesis de cierre sin abrir en la posición %1"));
      return fail(QStringLiteral("Se esperaba AND u OR en la posición %1"));
    }
    return node;
  }

  const QString& reason() const { return reason_; }

 private:
  const Token& peek(int ahead = 0) const {
    const std::size_t at = std::min(next_ + ahead, tokens_.size() - 1);
    return tokens_[at];
  }
  const Token& take() { return tokens_[next_ < tokens_.size() - 1 ? next_++ : next_]; }
  bool isKeyword(const Token& t, const char16_t* word) const {
    return t.type == Token::Type::Name && t.text.compare(QStringView(word), Qt::CaseInsensitive) == 0;
  }
  // `why` holds "%1" for the position of the token where reading stopped.
  std::nullopt_t fail(const QString& why) {
    if (reason_.isEmpty()) reason_ = why.arg(peek().position);
    return std::nullopt;
  }
  std::nullopt_t tooDeep() { return fail(QStringLiteral("La expresión está anidada demasiado en la posición %1")); }

  std::optional<SyntaxNode> joined(SyntaxNode::Type type, const char16_t* keyword,
                                   std::optional<SyntaxNode> (Parser::*operand)()) {
    auto first = (this->*operand)();
    if (!first || !isKeyword(peek(), keyword)) return first;
    SyntaxNode node{type, {}, {}, {}, first->position, {}};
    node.children.push_back(std::move(*first));
    while (isKeyword(peek(), keyword)) {
      take();
      auto more = (this->*operand)();
      if (!more) return std::nullopt;
      node.children.push_back(std::move(*more));
    }
    return node;
  }

  std::optional<SyntaxNode> disjunction() { return joined(SyntaxNode::Type::Or, u"OR", &Parser::conjunction); }
  std::optional<SyntaxNode> conjunction() { return joined(SyntaxNode::Type::And, u"AND", &Parser::negation); }

  std::optional<SyntaxNode> negation() {
    const Token& t = peek();
    const bool tilde = t.type == Token::Type::Comparison && t.text == u"~";
    if (!isKeyword(t, u"NOT") && !tilde) return comparison();
    const int position = take().position;
    if (++depth_ > kDeepestNesting) return tooDeep();
    auto operand = negation();
    --depth_;
    if (!operand) return std::nullopt;
    SyntaxNode node{SyntaxNode::Type::Not, {}, {}, {}, position, {}};
    node.children.push_back(std::move(*operand));
    return node;
  }

  std::optional<SyntaxNode> comparison() {
    auto left = primary();
    if (!left) return std::nullopt;
    bool negate = false;
    if (isKeyword(peek(), u"NOT") && peek(1).type == Token::Type::Comparison) {
      take();
      negate = true;
    }
    if (peek().type != Token::Type::Comparison) return left;
    const Token& op = take();
    auto right = primary();
    if (!right) return std::nullopt;
    SyntaxNode node{SyntaxNode::Type::Comparison, op.text, {}, negate ? negated(op.relation) : op.relation,
                    op.position, {}};
    node.children.push_back(std::move(*left));
    node.children.push_back(std::move(*right));
    return node;
  }

  std::optional<SyntaxNode> primary() {
    const Token& t = peek();
    switch (t.type) {
      case Token::Type::Open: {
        take();
        if (++depth_ > kDeepestNesting) return tooDeep();
        auto inner = disjunction();
        --depth_;
        if (!inner) return std::nullopt;
        if (peek().type != Token::Type::Close) return closeExpected(t.position);
        take();
        return inner;
      }
      case Token::Type::Number: return SyntaxNode{SyntaxNode::Type::Number, {}, take().number, {}, t.position, {}};
      case Token::Type::Text: return SyntaxNode{SyntaxNode::Type::Text, take().text, {}, {}, t.position, {}};
      case Token::Type::Picture: return SyntaxNode{SyntaxNode::Type::Picture, take().text, {}, {}, t.position, {}};
      case Token::Type::Name:
        if (isKeyword(t, u"AND") || isKeyword(t, u"OR") || isKeyword(t, u"NOT"))
          return fail(QStringLiteral("Falta un valor antes de ") + t.text.toUpper() + QStringLiteral(" en la posición %1"));
        if (peek(1).type == Token::Type::Open) return call();
        return SyntaxNode{SyntaxNode::Type::Name, take().text, {}, {}, t.position, {}};
      case Token::Type::End: return fail(QStringLiteral("La expresión termina donde se esperaba un valor (posición %1)"));
      default: return fail(QStringLiteral("Se esperaba un valor en la posición %1"));
    }
  }

  std::optional<SyntaxNode> call() {
    const Token& name = take();
    const int open = take().position;
    SyntaxNode node{SyntaxNode::Type::Call, name.text.toUpper(), {}, {}, name.position, {}};
    if (++depth_ > kDeepestNesting) return tooDeep();
    if (peek().type != Token::Type::Close) {
      while (true) {
        auto argument = disjunction();
        if (!argument) return std::nullopt;
        node.children.push_back(std::move(*argument));
        if (peek().type != Token::Type::Comma) break;
        take();
      }
    }
    --depth_;
    if (peek().type != Token::Type::Close) return closeExpected(open);
    take();
    return node;
  }

  std::nullopt_t closeExpected(int openedAt) {
    if (peek().type == Token::Type::End)
      return fail(QStringLiteral("Falta el paréntesis que cierra el de la posición ") + QString::number(openedAt) +
                  QStringLiteral(" (fin en la posición %1)"));
    return fail(QStringLiteral("Se esperaba \")\" en la posición %1 para cerrar el paréntesis de la posición ") +
                QString::number(openedAt));
  }

  std::vector<Token> tokens_;
  std::size_t next_ = 0;
  int depth_ = 0;
  QString reason_;
};

}  // namespace

std::optional<SyntaxNode> parse(const QString& source, QString* reason) {
  auto tokens = tokenize(source, reason);
  if (!tokens) return std::nullopt;
  Parser parser(std::move(*tokens));
  auto tree = parser.whole();
  if (!tree && reason) *reason = parser.reason();
  return tree;
}

}  // namespace bv::filter_detail
