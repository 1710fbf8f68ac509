// Shared pieces of the trace tests: a fixture that gives every test the trace
// log and the settings store as at the start of a process, with its own INI
// file, and a running copy of the viewer double.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/settings/message_box_recorder.h"
#include "tests/support/test_files.h"

namespace quillot::test {

// Closes an open log, then puts the trace log's and the store's state back
// to their values at the start of a process.
void ResetTraceAndStore();

class TraceTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    void WriteIni(const std::string& content) const { WriteWholeFile(ini_, content); }
    // The keys of a section of the test INI file in their order, as "key=value".
    std::vector<std::string> Section(const std::string& name) const;

    TempFolder folder_;
    std::string ini_;
    MessageBoxRecorder messageBoxes_;
};

// Makes a folder the current folder for as long as it lives.
class CurrentFolder {
  public:
    explicit CurrentFolder(const std::string& folder);
    ~CurrentFolder();
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

  private:
    std::string previous_;
};

// The viewer double's program file.
std::string ViewerDoublePath();

// A running viewer double. The record file lists what reached it.
class ViewerDouble {
  public:
    // Starts the double, recording into the file, and waits for its window.
    static ViewerDouble Start(const std::string& recordPath);
    // Waits for a viewer window that another party had started.
    static ViewerDouble Find(const std::string& recordPath);

    ViewerDouble(ViewerDouble&& other) noexcept;
    ~ViewerDouble();
    ViewerDouble(const ViewerDouble&) = delete;
    ViewerDouble& operator=(const ViewerDouble&) = delete;
    ViewerDouble& operator=(ViewerDouble&&) = delete;

    bool Running() const { return window_ != nullptr; }
    // Closes the window, waits for the program to end (ending it if it does
    // not) and returns the recorded lines.
    std::vector<std::string> Stop();

  private:
    ViewerDouble(HANDLE process, DWORD processId, const std::string& recordPath);

    HANDLE process_;
    DWORD processId_;
    HWND window_ = nullptr;
    std::string record_;
};

// The top-level windows of class "ViRever" on the desktop.
std::vector<HWND> ViewerWindows();

}  // namespace quillot::test
