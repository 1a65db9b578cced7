#include "dialogs.h"

std::optional<QString> Dialogs::runTextPrompt(const TextPrompt &prompt)
{
    const TextAnswer answer = runTextAlert(prompt);
    if (answer.button != Answer::Default)
        return std::nullopt;
    return answer.text;
}
