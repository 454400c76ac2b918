#pragma once
// The pre-flight check: what would go wrong on the sign, found before
// anything is sent. These are the checks that need only the records and the
// project folder; rendering adds its own (content cut off, storage).

#include "project/projectstate.h"

#include <QList>
#include <QString>

namespace dotsign {

enum class Severity { Error, Warning };

struct Finding
{
    int program = 0; // 1-based; 0 for the screen
    int zone = 0;    // slot 1..4; 0 for the program or the screen
    Severity severity = Severity::Warning;
    QString code;    // stable identifier for scripts ("zone-outside-screen", ...)
    QString message; // the operator's message
};

QList<Finding> checkProjectRecords(const ProjectState& state);

QString severityCaption(Severity severity); // "错误" / "警告"

} // namespace dotsign
