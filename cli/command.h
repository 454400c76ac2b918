#pragma once
// dotsign-cli subcommands. Each lives in a file of its own and registers itself
// with a static CliCommand object; main.cpp dispatches on the first argument.

#include <QStringList>
#include <functional>

namespace dotsign::cli {

// Runs with the arguments after the subcommand name; returns the exit code.
using CommandFn = std::function<int(const QStringList& args)>;

struct CliCommand
{
    CliCommand(const char* name, const char* synopsis, const char* help, CommandFn run);
};

// One line "dotsign-cli: message" on stderr; returns `code`.
int fail(const QString& message, int code = 1);
// Writes UTF-8 text to stdout.
void out(const QString& text);

} // namespace dotsign::cli
