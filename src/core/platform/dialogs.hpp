#pragma once

#include <initializer_list>
#include <optional>
#include <string>

namespace quorval::platform {

enum class Icon { None, Information, Exclamation, Critical, Question };
enum class Buttons {
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    ReloadOverwrite,  // a data file changed on disk: read it again, or write over it
    ReadOnlyQuit,     // the data folder is held elsewhere: open it read-only, or end the program
};
enum class Answer { Ok, Cancel, Yes, No, Reload, Overwrite, ReadOnly, Quit };

struct Message {
    std::string text;  // lines joined by CR LF
    std::string title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    int defaultButton = 1;  // 1-based among the buttons shown

    bool operator==(const Message&) const = default;
};

// Everything that asks or tells the user something and waits for the answer, plus the busy
// pointer. The desktop program shows real boxes; tests answer from a script; the command-line
// tool prints the text.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual Answer message(const Message& box) = 0;
    // Returns the typed text, or nothing when the user cancels.
    virtual std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                             const std::string& defaultText) = 0;
    virtual void beep() = 0;
    // The save-file dialog: the chosen file's path, or nothing when the user cancels.
    virtual std::optional<std::string> saveFile(const std::string& title, const std::string& filter) = 0;
    // The same dialog opened on a proposed file, a folder and a name the user may change.
    virtual std::optional<std::string> saveFileAs(const std::string& title, const std::string& filter,
                                                  const std::string& /*proposed*/) {
        return saveFile(title, filter);
    }
    // The folder chooser: the chosen folder's path, or nothing when the user cancels.
    // `start`: the folder the chooser opens in (empty: wherever the system likes).
    virtual std::optional<std::string> chooseFolder(const std::string& title, const std::string& start = {}) = 0;
    // The open-file dialog: the chosen file's path, or nothing when the user cancels.
    virtual std::optional<std::string> openFile(const std::string& title, const std::string& filter) {
        (void)title;
        (void)filter;
        return std::nullopt;
    }
    // Shows the hourglass and, when the note is not empty, puts it in the main window's message
    // panel; ending the busy state puts the pointer and the panel's previous text back.
    virtual void beginBusy(const std::string& note) = 0;
    virtual void endBusy() = 0;
};

// A refusal: the beep the program has always given, then a box that says why.
void Refuse(Dialogs& dialogs, const std::string& why, const std::string& title);

// Joins lines with CR LF, as every multi-line message text is held.
std::string joinLines(std::initializer_list<std::string> lines);

}  // namespace quorval::platform
