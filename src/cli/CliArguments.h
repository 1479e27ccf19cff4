#pragma once

#include "cli/CliRequest.h"

#include <QString>
#include <QStringList>

#include <optional>

// Reads the command line's arguments into a request, or says what is wrong with them. Pure.
namespace CliArguments {

struct Parsed
{
    enum class Kind { Run, Help, Version, Usage };
    Kind kind = Kind::Run;
    CliRequest request;
    QString text; // Help: the help to print; Usage: the sentence saying what is wrong

    friend bool operator==(const Parsed &, const Parsed &) = default;
};

// arguments without the program's own name; program names the program in help texts.
Parsed parse(const QStringList &arguments, const QString &program);

// The help of one command, or of the program when command is absent.
QString help(const QString &program, std::optional<CliRequest::Command> command = std::nullopt);

} // namespace CliArguments
