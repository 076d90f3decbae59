#pragma once
#include <QString>

// The start-up password prompt's decisions. The stored password is compared exactly, case included;
// an empty stored password is matched by an empty entry.

constexpr int kPasswordCancelledExitCode = 2;

// OK pressed with `entered`: true on a match; a mismatch says "Invalid PassWord" and the prompt stays.
bool passwordEntered(const QString& entered, const QString& stored);
// Cancel pressed: says "Invalid Password"; the program then ends with kPasswordCancelledExitCode.
void passwordCancelled();
