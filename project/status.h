#pragma once
// Errors travel as values carrying the operator's message; only windows show boxes.

#include <QString>
#include <utility>

namespace dotsign {

struct Status
{
    bool ok = true;
    QString message; // operator's message (Chinese), empty when ok
    QString caption; // message box caption, when the message has a fixed one

    static Status success() { return {}; }
    static Status failure(QString message, QString caption = QString())
    {
        return Status{false, std::move(message), std::move(caption)};
    }
    explicit operator bool() const { return ok; }
};

} // namespace dotsign
