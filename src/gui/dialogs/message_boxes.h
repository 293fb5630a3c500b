// The window's three message boxes. Each is a modal box shown with exec, so that the window
// waits for the answer.
#pragma once

#include <string>

class QWidget;

enum class ANSWER { yes, no, cancel };

// One OK button and the error icon.
void error_box(QWidget* parent, const std::string& title, const std::string& text);
// Yes, No and Cancel; closing the box is Cancel.
ANSWER question_box(QWidget* parent, const std::string& title, const std::string& text);
// Yes and No; answers true only for Yes.
bool overwrite_question(QWidget* parent, const std::string& title, const std::string& text);
