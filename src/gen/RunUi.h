#pragma once

#include <string_view>

namespace glyphsmith {

// Message box types, numerically those of the Windows message box.
enum class MessageType : unsigned { Ok = 0x00, Exclamation = 0x30 };

inline constexpr std::string_view kWarningCaption = "Warning!";
inline constexpr std::string_view kInformationCaption = "Information";

// What a run needs of the window: message boxes and the wait cursor. The window
// implements it with real dialogs, the command line with its output streams.
class RunUi {
  public:
    virtual ~RunUi() = default;
    virtual void MessageBox(std::string_view text, std::string_view caption, MessageType type) = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    void Warn(std::string_view text) {
        MessageBox(text, kWarningCaption, MessageType::Exclamation);
    }
    void Inform(std::string_view text) { MessageBox(text, kInformationCaption, MessageType::Ok); }
};

// Shows the wait cursor for a scope; End() takes it down early, before a closing message.
class WaitCursor {
  public:
    explicit WaitCursor(RunUi& ui) : ui_(ui) { ui_.BeginWaitCursor(); }
    ~WaitCursor() { End(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    void End() {
        if (showing_) {
            showing_ = false;
            ui_.EndWaitCursor();
        }
    }

  private:
    RunUi& ui_;
    bool showing_ = true;
};

// How a run ended, for callers that report it (the command line's exit status).
enum class RunOutcome {
    Cancelled,             // the prompt was cancelled; nothing happened
    Stopped,               // a warning stopped the run
    Completed,             // the run finished and its log holds progress lines only
    CompletedWithFailures, // the run finished but logged failures or notes
};

} // namespace glyphsmith
