#pragma once
// What the form commands of varnel-cli share: messages and questions printed on standard output and
// answered from the command line, and an open form printed control by control.
#include <QTextStream>

class FormSession;

QTextStream& consoleOut();
// Prints every message as "message: TEXT" and every question as "question: TEXT", answering it Yes or No.
void answerMessagesOnConsole(bool answerYes);
// "position 3/17", then each control that shows a value: its name, a tab and the value.
void printForm(const FormSession& form);
