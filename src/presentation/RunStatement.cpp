#include "presentation/RunStatement.h"

#include "platform/db/sqlite/SqlTokens.h"
#include "presentation/Messages.h"
#include "query/Vocabulary.h"
#include "text/PersianDate.h"
#include "text/PersianText.h"
#include "text/TextPrimitives.h"

namespace kelvo::presentation {

namespace {

enum Environment { EmployeeID, PositionID, UserID, RunDate, RunTime };

QVariant EnvironmentValue(int which, const RunEnvironment& e)
{
    switch (which) {
    case EmployeeID:
        return qint32(e.employeeID);
    case PositionID:
        return qint32(e.positionID);
    case UserID:
        return qint32(e.userID);
    case RunDate:
        return text::JalaliText(e.when.date());
    default:
        return e.when.time().toString(QStringLiteral("HH:mm:ss"));
    }
}

// Rewrites the tokens of one text; each replaced token gets its text anew.
class Rewriter {
public:
    Rewriter(const ReportDefinition& d, const ParameterValues& values, const RunEnvironment& e)
        : m_definition(d), m_values(values), m_environment(e), m_tokens(d.runText())
    {
    }

    RunStatement run()
    {
        RunStatement out;
        const bool procedure = m_definition.isStoredProcedure;
        // Where each token's text starts in the output.
        std::vector<qsizetype> starts(size_t(m_tokens.size()), 0);
        for (qsizetype i = 0; i < m_tokens.size(); ++i) {
            starts[size_t(i)] = out.sql.size();
            const db::SqlToken& t = m_tokens[i];
            if (t.kind == db::SqlToken::Variable && !m_tokens.text(i).startsWith(u"@@")) {
                const ReportParameter& p = parameterOf(m_tokens.text(i).mid(1).toString());
                const QVariantList values = m_values.value(p.parameterID);
                // "(@12)" in a procedure call is the bare value.
                const qsizetype before = m_tokens.previous(i);
                const qsizetype after = m_tokens.next(i);
                if (procedure && isPunct(before, u"(") && isPunct(after, u")")) {
                    out.sql.truncate(starts[size_t(before)]);
                    out.sql += placeholders(p, values, false, out.values);
                    i = after;
                    continue;
                }
                out.sql += placeholders(p, values, !procedure && insideIn(i), out.values);
                continue;
            }
            if (t.kind == db::SqlToken::Word) {
                qsizetype last = i;
                const int which = environmentAt(i, last);
                if (which >= 0) {
                    out.sql += u'?';
                    out.values << EnvironmentValue(which, m_environment);
                    i = last;
                    continue;
                }
            }
            out.sql += m_tokens.text(i);
        }
        if (procedure) {
            const QString first = out.sql.trimmed().section(u' ', 0, 0).toLower();
            if (first != u"exec" && first != u"execute")
                out.sql = QStringLiteral("EXEC ") + out.sql.trimmed();
        }
        return out;
    }

private:
    bool isPunct(qsizetype i, QStringView p) const
    {
        return i >= 0 && m_tokens[i].kind == db::SqlToken::Punct && m_tokens.text(i) == p;
    }

    // The variable at i is the whole list of an IN (…).
    bool insideIn(qsizetype i) const
    {
        const qsizetype open = m_tokens.previous(i);
        return isPunct(open, u"(") && isPunct(m_tokens.next(i), u")") && m_tokens.is(m_tokens.previous(open), QLatin1String("in"));
    }

    const ReportParameter& parameterOf(const QString& reference) const
    {
        bool number = false;
        const int id = reference.toInt(&number);
        const ReportParameter* p = number ? m_definition.parameter(id) : m_definition.parameter(reference);
        if (!p)
            throw RunError(kUnknownParameterMessage.arg(u'@' + reference));
        return *p;
    }

    static QString placeholders(const ReportParameter& p, const QVariantList& values, bool inList,
                                QVariantList& bound)
    {
        if (values.size() <= 1) {
            bound << (values.isEmpty() ? QVariant() : values.first());
            return QStringLiteral("?");
        }
        if (!inList)
            throw RunError(kManyValuesMessage.arg(p.title()));
        QStringList marks;
        for (const QVariant& v : values) {
            marks << QStringLiteral("?");
            bound << v;
        }
        return marks.join(QStringLiteral(", "));
    }

    // The environment text that starts at word token i (its words folded as
    // typed text is), its last token in last; -1 when none does.
    int environmentAt(qsizetype i, qsizetype& last) const
    {
        const QStringList& texts = EnvironmentTexts();
        for (int which = 0; which < texts.size(); ++which) {
            const QStringList words = text::FoldPersian(texts[which]).split(u' ');
            qsizetype k = i;
            bool matched = true;
            for (qsizetype w = 0; w < words.size(); ++w) {
                if (w > 0) {
                    // Words are separated by blanks only.
                    if (k + 2 >= m_tokens.size() || m_tokens[k + 1].kind != db::SqlToken::Space) {
                        matched = false;
                        break;
                    }
                    k += 2;
                }
                if (k >= m_tokens.size() || m_tokens[k].kind != db::SqlToken::Word ||
                    text::FoldPersian(m_tokens.text(k).toString()) != words[w]) {
                    matched = false;
                    break;
                }
            }
            if (matched) {
                last = k;
                return which;
            }
        }
        return -1;
    }

    const ReportDefinition& m_definition;
    const ParameterValues& m_values;
    const RunEnvironment& m_environment;
    db::SqlTokens m_tokens;
};

} // namespace

const QStringList& EnvironmentTexts()
{
    static const QStringList texts{
        QStringLiteral("مشخصه كارمند"),      QStringLiteral("مشخصه موقعيت كاربر"), QStringLiteral("مشخصه كاربر"),
        QStringLiteral("تاريخ اجراي گزارش"), QStringLiteral("زمان اجراي گزارش"),
    };
    return texts;
}

RunStatement BuildRunStatement(const ReportDefinition& definition, const ParameterValues& values,
                               const RunEnvironment& environment)
{
    if (text::TrimBlanksView(definition.runText()).isEmpty())
        throw RunError(kNoQueryMessage);
    return Rewriter(definition, values, environment).run();
}

QVariant ParameterValueFromText(const ReportParameter& parameter, const QString& typed)
{
    return ValueOfType(parameter.type, typed, parameter.title());
}

QVariant ValueOfType(const QString& type, const QString& typed, const QString& title)
{
    const QString value = text::AsciiDigits(typed).trimmed();
    if (value.isEmpty())
        return {};
    if (!query::IsNumericType(type))
        return typed.trimmed();
    if (!text::IsNumber(value))
        throw RunError(kNotANumberMessage.arg(title));
    const double number = text::LeadingNumber(value);
    if (number == qint64(number))
        return qint64(number);
    return number;
}

} // namespace kelvo::presentation
