// What the rules say to the player outside the screens: message boxes and the help.
#pragma once

#include <QString>

namespace zentar {

enum class Buttons { Ok, YesNo };
enum class Icon { None, Question };
enum class Answer { Ok, Yes, No };

class Dialogues {
  public:
    virtual ~Dialogues() = default;
    // A modal box titled "ゼンタル"; returns once the player has answered.
    virtual Answer message(const QString& text, Buttons buttons, Icon icon) = 0;
    virtual void showHelp() = 0;
};

}  // namespace zentar
