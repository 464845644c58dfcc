#include "tests/support/box_answers.h"

#include "backup/window/frame/MsgWin.h"

namespace testsupport {

void BoxAnswers::Answer(Button button)
{
    messages_.clear();
    button_ = button;
    if (answer_) {
        return;
    }
    answer_ = [this](ui::TForm& box) {
        auto* msg = dynamic_cast<TMsgForm*>(&box);
        if (msg != nullptr) {
            messages_.push_back(msg->Msg_Lab->Caption());
        }
        if (msg != nullptr && button_ == Button::Left) {
            msg->LB_Btn_LabClick(nullptr);
        } else if (msg != nullptr && button_ == Button::Right) {
            msg->RB_Btn_LabClick(nullptr);
        } else {
            box.Close();
        }
        ui_.AnswerNextModal(answer_);
    };
    ui_.AnswerNextModal(answer_);
}

}  // namespace testsupport
