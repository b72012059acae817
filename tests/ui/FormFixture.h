#pragma once
// A hidden form for one test, with the scripted interaction in force.
#include <gtest/gtest.h>

#include "Form.h"
#include "ScriptedInteraction.h"

class FormFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ui::FormArgs args;
        args.name = "TestForm";
        args.caption = "Test Form";
        args.clientWidth = 688;
        args.clientHeight = 446;
        ASSERT_TRUE(form.Create(args));
    }

    ui::ScriptedInteraction script;
    ui::Form form;
};

// Controls are created at these positions in every test; the values do not matter.
using ui::At;
