#pragma once
#include <QStringList>

// One subcommand of varnel-cli: its name, a one-line usage and the function that runs it.
// `run` gets the arguments after the subcommand's name and returns the process exit status.
struct CliCommand {
    const char* name;
    const char* usage;
    int (*run)(const QStringList& args);
};
