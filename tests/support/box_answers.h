#pragma once
// Answers every window the program shows modally, for as long as the test runs: a message box with
// the chosen button (or closed), any other window closed. The message of each box is kept.

#include "ui/testing.h"

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

class BoxAnswers {
public:
    enum class Button { Close, Left, Right };

    explicit BoxAnswers(ui::testing::UiTest& ui) : ui_(ui) { }

    // Forgets the messages so far; the boxes from now on get this answer.
    void Answer(Button button);
    const std::vector<std::u16string>& Messages() const { return messages_; }
    void Forget() { messages_.clear(); }

private:
    ui::testing::UiTest& ui_;
    std::function<void(ui::TForm&)> answer_;
    Button button_ = Button::Close;
    std::vector<std::u16string> messages_;
};

}  // namespace testsupport
