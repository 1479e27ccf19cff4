#pragma once

#include <QCoreApplication>

// The context of the command line's own sentences, for translators: Cli::tr("…").
struct Cli
{
    Q_DECLARE_TR_FUNCTIONS(Cli)
};
