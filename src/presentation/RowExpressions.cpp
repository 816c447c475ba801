#include "presentation/RowExpressions.h"

#include "text/PersianText.h"


namespace kelvo::presentation {

struct ExpressionFormula::Node {
    enum class Kind { Number, Current, Previous, Negate, Add, Subtract, Multiply, Divide };
    Kind kind = Kind::Number;
    double number = 0;
    int column = 0;
    std::shared_ptr<const Node> left, right;
};

namespace {

using Node = ExpressionFormula::Node;
using NodePtr = std::shared_ptr<const Node>;

// Reads expr := term (("+" | "-") term)*, term := factor (("*" | "/")
// factor)*, factor := number | C digits | P digits | "(" expr ")" | "-" factor.
class Parser {
public:
    explicit Parser(QString text) : m_text(std::move(text)) {}

    NodePtr parseWhole()
    {
        NodePtr root = expression();
        skipBlanks();
        return root && m_at == m_text.size() ? root : nullptr;
    }

private:
    void skipBlanks()
    {
        while (m_at < m_text.size() && m_text[m_at].isSpace())
            ++m_at;
    }
    bool take(QChar c)
    {
        skipBlanks();
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }
    static NodePtr binary(Node::Kind kind, NodePtr left, NodePtr right)
    {
        if (!left || !right)
            return nullptr;
        auto node = std::make_shared<Node>();
        node->kind = kind;
        node->left = std::move(left);
        node->right = std::move(right);
        return node;
    }
    NodePtr expression()
    {
        NodePtr left = term();
        while (left) {
            if (take(u'+'))
                left = binary(Node::Kind::Add, left, term());
            else if (take(u'-'))
                left = binary(Node::Kind::Subtract, left, term());
            else
                break;
        }
        return left;
    }
    NodePtr term()
    {
        NodePtr left = factor();
        while (left) {
            if (take(u'*'))
                left = binary(Node::Kind::Multiply, left, factor());
            else if (take(u'/'))
                left = binary(Node::Kind::Divide, left, factor());
            else
                break;
        }
        return left;
    }
    NodePtr factor()
    {
        skipBlanks();
        if (m_at >= m_text.size())
            return nullptr;
        if (take(u'(')) {
            NodePtr inner = expression();
            return take(u')') ? inner : nullptr;
        }
        if (take(u'-')) {
            NodePtr operand = factor();
            if (!operand)
                return nullptr;
            auto node = std::make_shared<Node>();
            node->kind = Node::Kind::Negate;
            node->left = std::move(operand);
            return node;
        }
        const QChar c = m_text[m_at].toUpper();
        if (c == u'C' || c == u'P') {
            ++m_at;
            const qsizetype start = m_at;
            while (m_at < m_text.size() && m_text[m_at].isDigit())
                ++m_at;
            if (m_at == start)
                return nullptr;
            auto node = std::make_shared<Node>();
            node->kind = c == u'C' ? Node::Kind::Current : Node::Kind::Previous;
            node->column = m_text.mid(start, m_at - start).toInt();
            return node;
        }
        const qsizetype start = m_at;
        while (m_at < m_text.size() && (m_text[m_at].isDigit() || m_text[m_at] == u'.'))
            ++m_at;
        bool ok = false;
        const double value = m_text.mid(start, m_at - start).toDouble(&ok);
        if (!ok)
            return nullptr;
        auto node = std::make_shared<Node>();
        node->number = value;
        return node;
    }

    QString m_text;
    qsizetype m_at = 0;
};

std::optional<double> Evaluate(const Node& node, const ExpressionFormula::Cells& current,
                               const ExpressionFormula::Cells& previous)
{
    switch (node.kind) {
    case Node::Kind::Number:
        return node.number;
    case Node::Kind::Current:
        return current(node.column);
    case Node::Kind::Previous:
        return previous(node.column);
    case Node::Kind::Negate: {
        const std::optional<double> v = Evaluate(*node.left, current, previous);
        return v ? std::optional<double>(-*v) : std::nullopt;
    }
    default:
        break;
    }
    const std::optional<double> a = Evaluate(*node.left, current, previous);
    if (!a)
        return std::nullopt;
    const std::optional<double> b = Evaluate(*node.right, current, previous);
    if (!b)
        return std::nullopt;
    switch (node.kind) {
    case Node::Kind::Add:
        return *a + *b;
    case Node::Kind::Subtract:
        return *a - *b;
    case Node::Kind::Multiply:
        return *a * *b;
    default:
        return *b == 0 ? std::nullopt : std::optional<double>(*a / *b);
    }
}

// A cell as a number: a number cell, or a text that is one number.

} // namespace

std::optional<ExpressionFormula> ExpressionFormula::parse(const QString& text)
{
    NodePtr root = Parser(text::AsciiDigits(text)).parseWhole();
    if (!root)
        return std::nullopt;
    ExpressionFormula formula;
    formula.m_root = std::move(root);
    return formula;
}

std::optional<double> ExpressionFormula::evaluate(const Cells& current, const Cells& previous) const
{
    return Evaluate(*m_root, current, previous);
}

QString FarsiExpression(const QString& english, const QStringList& headings)
{
    QString farsi = english;
    for (qsizetype i = headings.size() - 1; i >= 0; --i) {
        farsi.replace(u'C' + QString::number(i), headings[i] + QStringLiteral(" (سطر جاري)"));
        farsi.replace(u'P' + QString::number(i), headings[i] + QStringLiteral(" (سطر قبلي)"));
    }
    return farsi;
}

ResultTable AddRowExpressions(const ResultTable& table, const QList<RowExpression>& expressions)
{
    if (expressions.isEmpty())
        return table;
    const int base = table.columnCount();
    const int count = int(expressions.size());
    QStringList columns = table.columns();
    QList<db::ColumnType> types = table.types();
    struct Formulas {
        std::optional<ExpressionFormula> general, firstRow;
        std::optional<bool> positiveOnly;
    };
    std::vector<Formulas> formulas;
    for (const RowExpression& e : expressions) {
        columns << e.title;
        types << db::ColumnType::Real;
        const std::optional<ExpressionFormula> general = ExpressionFormula::parse(e.general);
        const std::optional<ExpressionFormula> first =
            e.firstRow.trimmed().isEmpty() ? general : ExpressionFormula::parse(e.firstRow);
        formulas.push_back({general, first, e.positiveOnly});
    }
    ResultTable shaped(columns, types);

    // Grid column i is result column i - 1, then the expressions in order.
    std::vector<std::optional<double>> previous(size_t(base + count)), current(size_t(base + count));
    const db::RowBatch* previousBatch = nullptr;
    qsizetype previousRow = -1;
    std::vector<bool> previousComputed(size_t(base), false);
    bool first = true;
    for (const auto& batch : table.batches()) {
        auto out = std::make_shared<db::RowBatch>(base + count);
        out->reserve(batch->rowCount());
        for (qsizetype r = 0; r < batch->rowCount(); ++r) {
            std::fill(previousComputed.begin(), previousComputed.end(), false);
            const ExpressionFormula::Cells previousCells = [&](int gridColumn) -> std::optional<double> {
                const int c = gridColumn - 1;
                if (first || c < 0 || c >= base + count)
                    return std::nullopt;
                if (c >= base)
                    return previous[size_t(c)];
                if (!previousComputed[size_t(c)]) {
                    previous[size_t(c)] = CellNumber(*previousBatch, previousRow, c);
                    previousComputed[size_t(c)] = true;
                }
                return previous[size_t(c)];
            };
            int done = 0; // expressions worked out on this row so far
            const ExpressionFormula::Cells currentCells = [&](int gridColumn) -> std::optional<double> {
                const int c = gridColumn - 1;
                if (c < 0 || c >= base + done)
                    return std::nullopt;
                return c < base ? CellNumber(*batch, r, c) : current[size_t(c)];
            };
            for (int c = 0; c < base; ++c)
                out->appendCell(*batch, r, c);
            for (int k = 0; k < count; ++k) {
                const std::optional<ExpressionFormula>& formula = first ? formulas[k].firstRow : formulas[k].general;
                const std::optional<double> value = formula ? formula->evaluate(currentCells, previousCells)
                                                            : std::nullopt;
                current[size_t(base + k)] = value;
                ++done;
                const std::optional<bool> only = formulas[k].positiveOnly;
                const bool shown = value && (!only || (*only ? *value > 0 : *value < 0));
                if (shown)
                    out->appendReal(*value);
                else
                    out->appendNull();
            }
            for (int k = 0; k < count; ++k)
                previous[size_t(base + k)] = current[size_t(base + k)];
            previousBatch = batch.get();
            previousRow = r;
            first = false;
        }
        shaped.append(std::move(out));
    }
    return shaped;
}

} // namespace kelvo::presentation
