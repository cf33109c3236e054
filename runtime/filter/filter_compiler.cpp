#include "runtime/filter/filter_compiler.h"

namespace bv::filter_detail {
namespace {

using Type = SyntaxNode::Type;

bool isCondition(const SyntaxNode& n) {
  return n.type == Type::Or || n.type == Type::And || n.type == Type::Not || n.type == Type::Comparison;
}

// The functions, with the count of their arguments.
struct Function {
  const char16_t* name;
  std::size_t arguments;
};
constexpr Function kFunctions[] = {{u"UPPER", 1}, {u"SUB", 3}, {u"INSTRING", 4}, {u"FORMAT", 2}};

class Compiler {
 public:
  Compiler(const FilterBinding& binding, QString* reason) : binding_(binding), reason_(reason) {}

  ConditionPtr condition(const SyntaxNode& n) {
    switch (n.type) {
      case Type::Or:
      case Type::And: return joined(n, n.type == Type::And);
      case Type::Not: {
        ConditionPtr inner = condition(n.children[0]);
        if (!inner) return nullptr;
        if (const auto c = inner->constant()) return std::make_unique<ConstantCondition>(!*c);
        return std::make_unique<NegatedCondition>(std::move(inner));
      }
      case Type::Comparison: {
        OperandPtr left = operand(n.children[0]);
        if (!left) return nullptr;
        OperandPtr right = operand(n.children[1]);
        if (!right) return nullptr;
        return makeComparison(n.relation, std::move(left), std::move(right));
      }
      default: {
        OperandPtr value = operand(n);
        if (!value) return nullptr;
        const bool literal = value->constant() != nullptr;
        return folded(std::make_unique<TruthCondition>(std::move(value)), literal);
      }
    }
  }

 private:
  ConditionPtr fail(const QString& why) {
    if (reason_) *reason_ = why;
    return nullptr;
  }
  OperandPtr failValue(const QString& why) {
    if (reason_) *reason_ = why;
    return nullptr;
  }
  static QString at(const SyntaxNode& n) { return QStringLiteral(" en la posición %1").arg(n.position); }

  ConditionPtr folded(ConditionPtr c, bool literal) {
    if (literal) return std::make_unique<ConstantCondition>(c->test(noBinding()));
    return c;
  }

  // AND stops at the first false part, OR at the first true one: a literal part
  // of that value decides the whole, a literal of the other value drops out.
  ConditionPtr joined(const SyntaxNode& n, bool all) {
    std::vector<ConditionPtr> parts;
    for (const SyntaxNode& child : n.children) {
      ConditionPtr part = condition(child);
      if (!part) return nullptr;
      if (const auto c = part->constant()) {
        if (*c != all) return std::make_unique<ConstantCondition>(!all);
        continue;
      }
      parts.push_back(std::move(part));
    }
    if (parts.empty()) return std::make_unique<ConstantCondition>(all);
    if (parts.size() == 1) return std::move(parts.front());
    return std::make_unique<JoinedCondition>(all, std::move(parts));
  }

  OperandPtr operand(const SyntaxNode& n) {
    if (isCondition(n))
      return failValue(QStringLiteral("Se esperaba un valor y hay una condición") + at(n));
    switch (n.type) {
      case Type::Name: {
        const int slot = binding_.resolve(n.text);
        if (slot < 0) return failValue(QStringLiteral("Nombre desconocido") + at(n) + QStringLiteral(": ") + n.text);
        return std::make_unique<SlotOperand>(slot, binding_.kind(slot));
      }
      case Type::Number:
        return std::make_unique<ConstantOperand>(FilterValue::ofNumber(n.number));
      case Type::Text:
        return std::make_unique<ConstantOperand>(FilterValue::ofText(n.text));
      case Type::Picture:
        return failValue(QStringLiteral("Un formato solo puede ir en FORMAT") + at(n) + QStringLiteral(": ") + n.text);
      default: return call(n);
    }
  }

  OperandPtr call(const SyntaxNode& n) {
    const Function* f = nullptr;
    for (const Function& candidate : kFunctions) {
      if (n.text == QStringView(candidate.name)) f = &candidate;
    }
    if (!f) return failValue(QStringLiteral("Función desconocida") + at(n) + QStringLiteral(": ") + n.text);
    if (n.children.size() != f->arguments)
      return failValue(QStringLiteral("La función %1 lleva %2 argumentos y tiene %3")
                           .arg(n.text).arg(f->arguments).arg(n.children.size()) + at(n));

    const bool format = n.text == u"FORMAT";
    std::vector<OperandPtr> args;
    bool literal = true;
    for (std::size_t i = 0; i < n.children.size(); ++i) {
      if (format && i == 1) break;  // the picture is read below
      OperandPtr arg = operand(n.children[i]);
      if (!arg) return nullptr;
      literal = literal && arg->constant();
      args.push_back(std::move(arg));
    }

    OperandPtr result;
    if (n.text == u"UPPER") {
      // A number's text has no letters: UPPER leaves it as the number it is.
      if (args[0]->isNumber()) result = std::move(args[0]);
      else result = std::make_unique<UpperOperand>(std::move(args[0]));
    } else if (n.text == u"SUB") {
      result = std::make_unique<SubOperand>(std::move(args[0]), std::move(args[1]), std::move(args[2]));
    } else if (n.text == u"INSTRING") {
      result = std::make_unique<InStringOperand>(std::move(args[0]), std::move(args[1]), std::move(args[2]),
                                                 std::move(args[3]));
    } else {
      const SyntaxNode& p = n.children[1];
      if (p.type != Type::Picture && p.type != Type::Text)
        return failValue(QStringLiteral("FORMAT lleva un formato como segundo argumento") + at(p));
      QString why;
      auto picture = Picture::parse(p.text, &why);
      if (!picture)
        return failValue(QStringLiteral("Formato no válido") + at(p) + QStringLiteral(": ") + p.text +
                         (why.isEmpty() ? QString() : QStringLiteral(" (") + why + QStringLiteral(")")));
      result = std::make_unique<FormatOperand>(std::move(args[0]), std::move(*picture));
    }
    if (literal && !result->constant()) {
      const FilterBinding& none = noBinding();
      result = std::make_unique<ConstantOperand>(result->isNumber() ? FilterValue::ofNumber(result->number(none))
                                                                    : FilterValue::ofText(result->text(none)));
    }
    return result;
  }

  const FilterBinding& binding_;
  QString* reason_;
};

}  // namespace

ConditionPtr compile(const SyntaxNode& tree, const FilterBinding& binding, QString* reason) {
  return Compiler(binding, reason).condition(tree);
}

}  // namespace bv::filter_detail
