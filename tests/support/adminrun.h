// Runs suudokuan-admin as a support person does, for the tests of its commands. The test program
// defines SUUDOKUAN_ADMIN as the path of the built executable.
#pragma once
#include "support/testsupport.h"

inline ProcessRun runAdmin(const QStringList& args) {
    return runProgram(QStringLiteral(SUUDOKUAN_ADMIN), args);
}
