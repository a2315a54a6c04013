#pragma once
// The base of Veltora's window tests: a fresh program for every test, with the error box
// replaced by a record of its messages and the program's end replaced by nothing.
#include "shell/forms.h"
#include "shell/handlers.h"
#include "shell/window.h"

#include <QStringList>
#include <gtest/gtest.h>

class VeltoraWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        setProgramEnd([] {});
        setErrorSink([this](const QString& message) { errors.append(message); });
        createForms();
    }
    void TearDown() override
    {
        destroyForms();
        setErrorSink({});
        setProgramEnd({});
        resetProgramEnded();
        if (noErrorsExpected) {
            EXPECT_TRUE(errors.isEmpty()) << errors.join(' ').toStdString();
        }
    }

    // The messages the error box would have shown, in order.
    QStringList errors;
    // When set, a message shown during the test fails it.
    bool noErrorsExpected = false;
};
