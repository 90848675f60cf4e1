#pragma once
// The narrow channel through which a command tells the person what happened.
// The window shows message boxes and the status line; the batch runner prints
// lines; tests collect the texts.
#include <string>
#include <string_view>
#include <vector>

namespace zyt {

class Reporter {
  public:
    virtual ~Reporter() = default;
    // A modal message box with this text.
    virtual void message(std::string_view text) = 0;
    // The status line of the window.
    virtual void status(std::string_view text) { (void)text; }
    // Progress of a long loop, 0..100.
    virtual void progress(int percent) { (void)percent; }
    // Long loops poll this and stop early when it turns true.
    virtual bool cancelled() const { return false; }
};

// Keeps every text; used by tests and by callers that decide later.
class CollectingReporter : public Reporter {
  public:
    void message(std::string_view text) override { messages.emplace_back(text); }
    void status(std::string_view text) override { lastStatus = std::string(text); }
    std::vector<std::string> messages;
    std::string lastStatus;
};

}  // namespace zyt
