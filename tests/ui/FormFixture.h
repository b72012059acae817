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
inline ui::ControlArgs At(const std::string& name, int left, int top, int width, int height,
                          const std::string& caption = std::string()) {
    ui::ControlArgs args;
    args.name = name;
    args.left = left;
    args.top = top;
    args.width = width;
    args.height = height;
    args.caption = caption;
    return args;
}
