#pragma once

#include <string>

#include "board/layout.h"

namespace cinq {

enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };
enum class WindowState { Normal, Maximised, Minimised };

struct Message {
    std::string text;
    std::string title = "Cinquevole";
    Buttons buttons = Buttons::Ok;
};

// Everything the game needs from outside its model: message boxes, the modal windows, the main
// window's size and state, and the end of the program. The windows implement it with Qt; tests
// and the replay tool answer from a script.
//
// Before a message box or a modal window opens, the implementation shows the model as it stands,
// so that the user sees each step of a turn in its order.
class Host {
public:
    virtual ~Host() = default;

    // Shows a message box (no icon) and returns the button pressed; anything but Yes to a
    // Yes/No question counts as No.
    virtual Answer ask(const Message& message) = 0;

    // The modal windows; each returns when the user has closed it.
    virtual void showOptions() = 0;
    virtual void showStatistics() = 0;
    virtual void showHelp() = 0;

    virtual WindowState windowState() const = 0;
    // The main window's outer size, in twips, as the resize rule reads it.
    virtual OuterSize outerSize() const = 0;
    // Puts the main window in the normal state at the largest size (the maximise of the
    // opening-point search and the resize rule's clamp both end there).
    virtual void showNormalAtLargest() = 0;

    // Closes the options dialog and ends the program. The game stops at once after calling it.
    virtual void endProgram() = 0;

    // A computer point has just been placed; the view may play its size sequence.
    virtual void computerPointPlaced(int /*cell*/) {}
};

}  // namespace cinq
