// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A Qt Test main with the program's own application object and its font
// substitutes.
#include "controls/TApplication.h"
#include "platform/FontSubstitutes.h"

#include <QTest>

#define FRETLORE_TEST_MAIN(TestClass)                                                                                  \
    int main(int argc, char* argv[])                                                                                   \
    {                                                                                                                  \
        fretlore::TApplication app(argc, argv);                                                                        \
        fretlore::TApplication::setApplicationName(QStringLiteral("Fretlore PRO"));                                    \
        fretlore::InstallFontSubstitutes();                                                                            \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
