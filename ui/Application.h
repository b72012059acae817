#pragma once
// The program as a whole: its message loop, its title and help file, and the standard
// dialog for an exception that escaped a handler. Everything here runs on the window thread.
#include <windows.h>

#include <string>

namespace ui {

class Form;

class Application {
public:
    // Shows `mainForm` and dispatches messages until it closes or Terminate() is called;
    // returns the exit code of the quit message.
    static int Run(Form& mainForm);
    // Dispatches every message waiting for this thread, then returns.
    static void ProcessMessages();
    // Ends the loop of Run() (posts the quit message).
    static void Terminate();
    static bool Terminated() { return terminated_; }
    static Form* MainForm() { return mainForm_; }

    // The caption of the exception dialog; by default the program's file name without ".exe".
    static std::string Title();
    static void SetTitle(const std::string& title) { title_ = title; }

    // The help file; a relative name is taken from the program's folder.
    static const std::string& HelpFile() { return helpFile_; }
    static void SetHelpFile(const std::string& path) { helpFile_ = path; }
    // Opens the help file's contents with the system's handler, through the interaction seam;
    // false when there is no help file or it could not be opened.
    static bool HelpContents(HWND owner);

    // The standard exception dialog: the message (a full stop added when it ends in a letter
    // or digit) in an error box captioned Title(), through the interaction seam.
    static void ShowException(const std::string& message);
    // Inside a catch block: shows the exception being handled; the program goes on.
    static void HandleException();

    // Full path of the running program, and its folder without a trailing backslash.
    static std::string ExeName();
    static std::string ExeDir();

private:
    static void Dispatch(MSG& message);

    static Form* mainForm_;
    static bool terminated_;
    static std::string title_;
    static std::string helpFile_;
};

}  // namespace ui
