#pragma once

#include <QStringList>

// tessary-cli buttons: draws a button picture as the Image wizard does and
// writes it. Options and the JSON report are in README.md.
int runButtonsCommand(const QStringList& arguments);
