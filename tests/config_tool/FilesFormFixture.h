#pragma once
// TMainForm created for real (hidden) in a scratch program folder, with the scripted
// interaction seam and a fake module behind its serial device.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "Application.h"
#include "FakeModule.h"
#include "Mainunit.h"
#include "ScriptedInteraction.h"
#include "scratch_dir.h"

class FilesFormTest : public testing::Test {
protected:
    using Lines = std::vector<std::string>;

    void SetUp() override { CreateForm(); }

    void CreateForm() {
        korvan::MainFormOptions options;
        options.device = module;
        options.appDir = dir.Path();
        options.macFilePath = dir / "SetMACAddress.txt";
        form = std::make_unique<korvan::TMainForm>(options);
        ASSERT_TRUE(form->CreateMainWindow());
    }

    // Runs the window thread's messages until `done` holds; false after ten seconds.
    bool PumpUntil(const std::function<bool()>& done) {
        for (DWORD start = GetTickCount(); GetTickCount() - start < 10000;) {
            ui::Application::ProcessMessages();
            if (done()) return true;
            Sleep(1);
        }
        return false;
    }
    bool RunToIdle() { return PumpUntil([this] { return form->Operation == 0; }); }

    Lines Dialogs() const {
        Lines texts;
        for (const auto& call : script.CallsOf("MessageBox")) texts.push_back(call.text);
        return texts;
    }
    bool Logged(const std::string& line) const {
        Lines log = form->LogLines();
        return std::find(log.begin(), log.end(), line) != log.end();
    }
    Lines GridRows() const {
        Lines rows;
        for (int row = 1; row < form->FileListStringGrid.RowCount(); ++row) {
            rows.push_back(form->FileListStringGrid.Cell(1, row) + "|" +
                           form->FileListStringGrid.Cell(0, row));
        }
        return rows;
    }

    testsupport::ScratchDir dir;
    ui::ScriptedInteraction script;
    std::shared_ptr<FakeModule> module = std::make_shared<FakeModule>();
    std::unique_ptr<korvan::TMainForm> form;
};
