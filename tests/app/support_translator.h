#pragma once
// A translator made from a rule, installed for as long as it lives: tests show
// the windows in another language without the bundled translation.

#include <QCoreApplication>
#include <QTranslator>
#include <functional>
#include <initializer_list>
#include <utility>

namespace dotsign::test {

class RuleTranslator : public QTranslator
{
public:
    // Returns the translation of `source` in `context`, or an empty text for none.
    using Rule = std::function<QString(const QByteArray& context, const QString& source)>;

    explicit RuleTranslator(Rule rule) : m_rule(std::move(rule))
    {
        QCoreApplication::installTranslator(this);
    }
    // Translates the listed texts of one context.
    RuleTranslator(const char* context, std::initializer_list<std::pair<const char*, const char*>> table)
        : RuleTranslator(
              [wanted = QByteArray(context), rows = std::vector<std::pair<const char*, const char*>>(table)](
                  const QByteArray& c, const QString& source) {
                  if (c == wanted)
                      for (const auto& [from, to] : rows)
                          if (source == QString::fromUtf8(from))
                              return QString::fromUtf8(to);
                  return QString();
              })
    {}
    ~RuleTranslator() override { QCoreApplication::removeTranslator(this); }

    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return m_rule(QByteArray(context), QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }

private:
    Rule m_rule;
};

} // namespace dotsign::test
